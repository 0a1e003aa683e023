#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace varnelo::fuzz {

// Feeds one input to the reader named `target`, as the file that reader
// takes; false when no reader has that name.
bool feed(std::string_view target, const std::uint8_t* data, std::size_t size);

} // namespace varnelo::fuzz
