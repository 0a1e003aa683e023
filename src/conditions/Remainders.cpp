#include "conditions/Remainders.h"

#include <numeric>

namespace varnelo {

int remainderOf(const Column& c, int divisor) {
    return std::accumulate(c.begin(), c.end(), 0) % divisor;
}

} // namespace varnelo
