#pragma once

#include <string>
#include <vector>

namespace varnelo {

// What the notice window `Avviso` shows: a title, a few lines and the kind
// code that selects its buttons (113: plain notice with OK).
struct Notice {
    std::string title;
    std::vector<std::string> lines;
    int kind = 113;

    bool operator==(const Notice&) const = default;
};

} // namespace varnelo
