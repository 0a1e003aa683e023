#include "core/WarningTones.h"

#include <cmath>
#include <numbers>

namespace varnelo {

namespace {

// A sine note with a quick attack and an exponential fade, so it never clicks.
void addNote(std::vector<std::int16_t>& out, double hz, double seconds, double gap) {
    const int n = static_cast<int>(seconds * kToneSampleRate);
    const int attack = kToneSampleRate / 200;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kToneSampleRate;
        const double env =
            std::min(1.0, static_cast<double>(i) / attack) * std::exp(-5.0 * t / seconds);
        const double s = std::sin(2 * std::numbers::pi * hz * t) +
                         0.3 * std::sin(2 * std::numbers::pi * 2 * hz * t);
        out.push_back(static_cast<std::int16_t>(9000 * env * s));
    }
    out.insert(out.end(), static_cast<std::size_t>(gap * kToneSampleRate), 0);
}

} // namespace

std::vector<std::int16_t> warningTone(int index) {
    std::vector<std::int16_t> out;
    if (index == 1) {
        addNote(out, 660, 0.12, 0.05);
        addNote(out, 990, 0.16, 0.0);
    } else {
        addNote(out, 1046.5, 0.35, 0.0);
    }
    return out;
}

} // namespace varnelo
