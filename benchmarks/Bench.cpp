#include "benchmarks/Bench.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace varnelo::bench {

namespace {
std::vector<Case>& cases() {
    static std::vector<Case> list;
    return list;
}
} // namespace

bool registerCase(Case c) {
    cases().push_back(std::move(c));
    return true;
}

void keep(const void* p) {
    asm volatile("" : : "g"(p) : "memory");
}

double medianMs(const std::function<void()>& f, int runs) {
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        const auto a = std::chrono::steady_clock::now();
        f();
        const auto b = std::chrono::steady_clock::now();
        t.push_back(std::chrono::duration<double, std::milli>(b - a).count());
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

bool runAll(const char* only) {
    bool any = false;
    for (const auto& c : cases()) {
        if (only && !std::strstr(c.name.c_str(), only))
            continue;
        any = true;
        // Interleave so that a noisy moment hits both sides alike.
        std::vector<double> base, work;
        for (int i = 0; i < c.runs; ++i) {
            base.push_back(medianMs(c.baseline, 1));
            work.push_back(medianMs(c.work, 1));
        }
        std::sort(base.begin(), base.end());
        std::sort(work.begin(), work.end());
        const double b = base[base.size() / 2], w = work[work.size() / 2];
        std::printf("%s: %.1f ms, %.2fx base\n", c.name.c_str(), w, b > 0 ? w / b : 0.0);
        std::fflush(stdout);
    }
    return any;
}

} // namespace varnelo::bench
