#include "core/SystemName.h"

#include <system_error>

namespace varnelo {

std::string firstFreeSystemName(const ProgramFolder& folder) {
    std::error_code ec;
    for (int n = 1;; ++n) {
        std::string name = "qor" + std::to_string(n);
        if (!std::filesystem::exists(folder.path("qor/" + name + ".sse"), ec))
            return name;
    }
}

} // namespace varnelo
