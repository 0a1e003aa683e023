#include "system/SystemName.h"

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

std::string typedSystemName(std::string_view typed) {
    std::string out;
    for (char ch : typed) {
        if (ch >= 'A' && ch <= 'Z')
            out += static_cast<char>(ch - 'A' + 'a');
        else if ((ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == ' ')
            out += ch;
    }
    return out;
}

bool isReservedSystemName(std::string_view name) {
    return name == kArchiveSystemName;
}

} // namespace varnelo
