#pragma once

#include "core/ProgramFolder.h"

#include <string>

namespace varnelo {

// The first "qor" + n (n = 1, 2, ...) without a settings file in qor/.
std::string firstFreeSystemName(const ProgramFolder& folder);

} // namespace varnelo
