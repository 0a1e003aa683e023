#include "engine/Shuffle.h"

#include <random>
#include <utility>

namespace varnelo {

void shuffleColumns(ColumnStore& store, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    for (std::int32_t i = store.storedCount; i > 1; --i) {
        std::uniform_int_distribution<std::int32_t> pick(1, i);
        const std::int32_t j = pick(random);
        if (j == i)
            continue;
        for (int p = 1; p <= kColumnSize; ++p)
            std::swap(store.plane(p)[i], store.plane(p)[j]);
    }
}

} // namespace varnelo
