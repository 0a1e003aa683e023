#include "engine/SetupForm.h"

#include "core/OrthogonalGuarantees.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace varnelo {

const char* orthogonalEntry(int index) {
    const OrthogonalGuarantee* g = orthogonalGuarantee(index + 1);
    return g ? g->entry : "";
}
int guaranteePoints(int kind) {
    const OrthogonalGuarantee* g = orthogonalGuarantee(kind);
    return g ? g->points : 0;
}
int guaranteeDrawn(int kind) {
    const OrthogonalGuarantee* g = orthogonalGuarantee(kind);
    return g ? g->drawn : 0;
}

int contestFromText(const std::string& text) {
    const long v = std::strtol(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp(v, 1L, 500L));
}

double coverageFromText(const std::string& text) {
    std::string t = text;
    std::replace(t.begin(), t.end(), ',', '.');
    char* end = nullptr;
    const double v = std::strtod(t.c_str(), &end);
    if (end == t.c_str() || !(v > 0))
        return kDefaultCoverage;
    return std::round(std::min(v, 100.0) * 10) / 10;
}

SetupForm SetupForm::fromState(const SystemOptions& options, const ProgramSettings& settings) {
    SetupForm f;
    f.levelIndex = std::clamp(options.developmentLevel, 1, 5) - 1;
    f.coverage = options.coverage > 0 ? options.coverage : kDefaultCoverage;
    f.differenceOn = options.differenceOn();
    f.difference = f.differenceOn ? options.difference() : 2;
    f.orthogonalOn = options.orthogonalOn();
    f.guaranteeIndex = f.orthogonalOn ? options.guaranteeKind - 1 : 0;
    f.settings = settings;
    return f;
}

void SetupForm::applyTo(SystemOptions& options, ProgramSettings& settings) const {
    options.developmentLevel = levelIndex + 1;
    options.coverage = coverage > 0 ? coverage : kDefaultCoverage;
    options.guaranteeKind = orthogonalOn ? guaranteeIndex + 1 : 0;
    if (orthogonalOn)
        options.kindCode = guaranteePoints(options.guaranteeKind);
    else if (differenceOn)
        options.kindCode = 20 + std::clamp(difference, 1, 5);
    else if (options.kindCode != 5)
        options.kindCode = 0; // a system of imported columns keeps its kind
    settings = this->settings;
    settings.contestNumber = std::clamp(settings.contestNumber, 1, 500);
}

bool coverageTextExact(const std::string& text) {
    std::string t = text;
    std::replace(t.begin(), t.end(), ',', '.');
    const auto first = t.find_first_not_of(' ');
    const auto last = t.find_last_not_of(' ');
    if (first == std::string::npos)
        return false;
    t = t.substr(first, last - first + 1);
    char* end = nullptr;
    const double v = std::strtod(t.c_str(), &end);
    return end == t.c_str() + t.size() && v > 0 && v <= 100;
}

} // namespace varnelo
