#pragma once

#include <functional>
#include <string>
#include <vector>

namespace varnelo::bench {

// One benchmark case: `work` is timed against `baseline`, both run the same
// number of times in the same process, and the case prints
// "NAME: <median ms> ms, <ratio>x base".
struct Case {
    std::string name;
    std::function<void()> baseline;
    std::function<void()> work;
    int runs = 7;
};

bool registerCase(Case c);
// Runs every case (or only those whose name contains `only`); false when none ran.
bool runAll(const char* only);

// Median wall time of `runs` calls, in milliseconds.
double medianMs(const std::function<void()>& f, int runs);

// Keeps the optimiser from dropping a result.
void keep(const void* p);

} // namespace varnelo::bench
