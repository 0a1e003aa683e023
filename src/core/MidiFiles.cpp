#include "core/MidiFiles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace varnelo {

std::vector<std::string> midiFiles(const ProgramFolder& folder) {
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path("midi"), ec)) {
        if (!entry.is_regular_file(ec))
            continue;
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (extension == ".mid")
            out.push_back(entry.path().filename().string());
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<std::string> synthArguments(const std::string& soundFont, const std::string& file,
                                        const std::string& driver) {
    std::vector<std::string> out = {"-n", "-i", "-q"};
    if (!driver.empty()) {
        out.insert(out.end(), {"-a", driver});
        if (driver == "file")
            out.insert(out.end(), {"-o", "audio.file.name=/dev/null"});
    }
    out.insert(out.end(), {soundFont, file});
    return out;
}

} // namespace varnelo
