#include "core/BackgroundPicture.h"

#include "core/AtomicWriter.h"
#include "core/TextFile.h"

namespace varnelo {

namespace {

constexpr std::string_view kFile = "enal/foto.txt";
// A path, not a document: anything longer is not ours.
constexpr std::size_t kMaxBytes = 4096;

} // namespace

std::string loadBackgroundPath(const ProgramFolder& folder) {
    std::string text, error;
    if (!readTextFile(folder.path(kFile), kMaxBytes, text, error))
        return {};
    const std::vector<std::string_view> lines = splitLines(text);
    return lines.empty() ? std::string{} : std::string(trimBlanks(lines.front()));
}

bool saveBackgroundPath(const ProgramFolder& folder, const std::string& path, std::string& error) {
    return writeFileAtomically(folder.path(kFile), path.empty() ? "" : joinLines({path}), error);
}

} // namespace varnelo
