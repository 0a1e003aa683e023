#include "conditions/Baricentre.h"

namespace varnelo {

int baricentre(Baricentre kind, const Column& c) {
    int sum = 0;
    int count = 0;
    for (const auto n : c) {
        const bool even = kEven.isEven(n);
        if (kind == Baricentre::Total || even == (kind == Baricentre::Even)) {
            sum += n;
            ++count;
        }
    }
    return count > 0 ? sum / count : 0;
}

} // namespace varnelo
