#include "conditions/FilterHits.h"

namespace varnelo {

std::uint64_t numberMask(std::span<const std::uint8_t> numbers) {
    std::uint64_t m = 0;
    for (const auto n : numbers)
        if (n >= 1 && n <= kMaxNumber)
            m |= std::uint64_t{1} << n;
    return m;
}

FilterHits::FilterHits(std::span<const std::uint64_t> filterMasks)
    : filters_(filterMasks.size()), words_((filterMasks.size() + 63) / 64),
      holders_(static_cast<std::size_t>(kMaxNumber + 2) * words_, 0) {
    for (std::size_t j = 0; j < filterMasks.size(); ++j)
        for (int n = 1; n <= kMaxNumber; ++n)
            if (filterMasks[j] >> n & 1u)
                holders_[static_cast<std::size_t>(n) * words_ + j / 64] |= std::uint64_t{1}
                                                                           << (j % 64);
}

void FilterHits::cachePrefix(const Column& c, std::uint32_t prefix) const {
    planes_.assign(3 * words_, 0);
    for (std::size_t w = 0; w < words_; ++w) {
        Planes p;
        for (std::size_t k = 0; k < 4; ++k)
            p.add(holders(c[k])[w]);
        planes_[3 * w] = p.p0;
        planes_[3 * w + 1] = p.p1;
        planes_[3 * w + 2] = p.p2;
    }
    cachedPrefix_ = prefix;
}

std::uint64_t FilterHits::present(std::size_t w) const {
    const std::size_t first = w * 64;
    if (first >= filters_)
        return 0;
    const std::size_t n = filters_ - first;
    return n >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << n) - 1;
}

} // namespace varnelo
