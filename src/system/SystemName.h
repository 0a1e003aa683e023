#pragma once

#include "core/ProgramFolder.h"

#include <string>
#include <string_view>

namespace varnelo {

// Reserved for the columns-only system made from the draw archive.
inline constexpr std::string_view kArchiveSystemName = "archivio";

// The first "qor" + n (n = 1, 2, ...) without a settings file in qor/.
std::string firstFreeSystemName(const ProgramFolder& folder);

// A name as the name box takes it: capitals become lower case; letters a..z,
// digits and blanks stay; every other character (accented letters, hyphens,
// slashes...) is dropped.
std::string typedSystemName(std::string_view typed);

bool isReservedSystemName(std::string_view name);

} // namespace varnelo
