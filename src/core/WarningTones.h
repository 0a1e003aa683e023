#pragma once

#include <cstdint>
#include <vector>

namespace varnelo {

inline constexpr int kToneSampleRate = 22050;

// The two end-of-development warnings, as 16-bit mono samples: 0 a short
// chime, 1 a double rising beep. They are made here so the program never
// depends on sound files of the system.
std::vector<std::int16_t> warningTone(int index);

} // namespace varnelo
