#pragma once

#include <optional>
#include <string>

namespace varnelo {

// The guarantee of an ordinary table as the windows name it; g = c = 0 is
// the full development. Nothing for a pair without a name.
std::optional<std::string> guaranteeName(int g, int c);
std::optional<std::string> guaranteeShortName(int g, int c);

struct OrthogonalOption {
    std::string name;
    int g = 0;
    int c = 0;
};

// Options 1..9; any other value means no orthogonal reduction.
std::optional<OrthogonalOption> orthogonalOption(int option);

// The system's title for an orthogonal reduction.
std::optional<std::string> orthogonalTitle(int option);

} // namespace varnelo
