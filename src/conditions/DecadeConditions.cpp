#include "conditions/DecadeConditions.h"

#include "conditions/Metrics.h"

namespace varnelo {

int decadeSum(DecadeSum kind, const Column& c) {
    int tens = 0;
    int units = 0;
    for (const auto n : c) {
        tens += n / 10;
        units += n % 10;
    }
    switch (kind) {
    case DecadeSum::Tens:
        return tens;
    case DecadeSum::Units:
        return units;
    default:
        return tens + units;
    }
}

int decadesPlusUnits(const Column& c) {
    return metricValue(34, c, {}) + metricValue(40, c, {});
}

} // namespace varnelo
