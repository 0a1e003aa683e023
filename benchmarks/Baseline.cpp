#include "benchmarks/Baseline.h"

namespace varnelo::bench {

std::int32_t storeAllColumns(ColumnStore& store, int n) {
    std::uint8_t* p1 = store.plane(1);
    std::uint8_t* p2 = store.plane(2);
    std::uint8_t* p3 = store.plane(3);
    std::uint8_t* p4 = store.plane(4);
    std::uint8_t* p5 = store.plane(5);
    std::int32_t i = 0;
    for (int a = 1; a <= n; ++a)
        for (int b = a + 1; b <= n; ++b)
            for (int c = b + 1; c <= n; ++c)
                for (int d = c + 1; d <= n; ++d)
                    for (int e = d + 1; e <= n; ++e) {
                        ++i;
                        p1[i] = static_cast<std::uint8_t>(a);
                        p2[i] = static_cast<std::uint8_t>(b);
                        p3[i] = static_cast<std::uint8_t>(c);
                        p4[i] = static_cast<std::uint8_t>(d);
                        p5[i] = static_cast<std::uint8_t>(e);
                    }
    store.storedCount = i;
    return i;
}

} // namespace varnelo::bench
