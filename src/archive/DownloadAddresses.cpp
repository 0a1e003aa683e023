#include "archive/DownloadAddresses.h"

#include "core/AtomicWriter.h"
#include "core/TextFile.h"

namespace varnelo {

namespace {
constexpr const char* kFile = "enal/collegamento.txt";
constexpr std::size_t kMaxBytes = 64 * 1024;
} // namespace

DownloadAddresses readDownloadAddresses(const ProgramFolder& folder) {
    std::string text;
    std::string error;
    DownloadAddresses out;
    if (!readTextFile(folder.path(kFile), kMaxBytes, text, error))
        return out;
    const auto lines = splitLines(text);
    if (!lines.empty())
        out.archive = trimBlanks(lines[0]);
    if (lines.size() > 1)
        out.version = trimBlanks(lines[1]);
    return out;
}

bool writeDownloadAddresses(const ProgramFolder& folder, const DownloadAddresses& addresses,
                            std::string& error) {
    return writeFileAtomically(folder.path(kFile),
                               joinLines({addresses.archive, addresses.version}), error);
}

} // namespace varnelo
