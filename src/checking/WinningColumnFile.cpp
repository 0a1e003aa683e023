#include "checking/WinningColumnFile.h"

#include "core/AtomicWriter.h"
#include "core/TextFile.h"

#include <filesystem>
#include <vector>

namespace varnelo {

namespace {

constexpr const char* kFile = "enal/colonnavincente.txt";
constexpr int kMarks = 50;

Notice badFile(const std::string& why) {
    return Notice{"Colonna vincente:",
                  {"Il file colonnavincente.txt non è valido:", why,
                   "La colonna da controllare resta vuota."}};
}

} // namespace

std::string formatWinningColumn(const Combination& combination) {
    std::vector<std::string> lines;
    for (int n = 1; n <= kMarks; ++n)
        lines.push_back(combination.numbers[static_cast<std::size_t>(n)] ? "1" : "0");
    return joinLines(lines);
}

std::optional<Notice> parseWinningColumn(std::string_view text, Combination& combination) {
    const std::vector<std::string_view> lines = splitLines(text);
    std::array<bool, 51> marks{};
    int n = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = trimBlanks(lines[i]);
        if (line.empty() && n == kMarks)
            continue;
        if (n == kMarks)
            return badFile("ha più di 50 righe.");
        if (line != "0" && line != "1")
            return badFile("la riga " + std::to_string(i + 1) + " non è 0 oppure 1.");
        marks[static_cast<std::size_t>(++n)] = line == "1";
    }
    if (n < kMarks)
        return badFile("ha " + std::to_string(n) + " righe invece di 50.");
    combination.numbers = marks;
    return std::nullopt;
}

bool saveWinningColumn(const ProgramFolder& folder, const Combination& combination,
                       std::string& error) {
    return writeFileAtomically(folder.path(kFile), formatWinningColumn(combination), error);
}

std::optional<Notice> loadWinningColumn(const ProgramFolder& folder, Combination& combination) {
    const std::filesystem::path file = folder.path(kFile);
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return std::nullopt;
    std::string text, error;
    if (!readTextFile(file, 64 * 1024, text, error))
        return badFile(error);
    return parseWinningColumn(text, combination);
}

} // namespace varnelo
