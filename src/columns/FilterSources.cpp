#include "columns/FilterSources.h"

#include "core/SavedColumns.h"

#include "conditions/FamilyFiles.h"
#include "core/ColumnsFileFormat.h"
#include "core/TextFile.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace varnelo {

namespace {

// A text list of 20000 filter columns of ten numbers is well under a megabyte.
constexpr std::size_t kMaxTextBytes = 16u << 20;

Notice fileNotice(const std::string& line, const std::filesystem::path& file) {
    return Notice{"Avviso:", {line, "File: " + file.filename().string()}};
}

} // namespace

bool parseFilterNumbers(std::string_view text, std::vector<std::uint8_t>& numbers) {
    std::vector<std::uint8_t> read;
    int value = -1;
    auto flush = [&] {
        if (value > 99)
            return false;
        if (value >= 0)
            read.push_back(static_cast<std::uint8_t>(value));
        value = -1;
        return true;
    };
    for (const char ch : text) {
        if (ch >= '0' && ch <= '9')
            value = std::min(1000, std::max(value, 0) * 10 + (ch - '0'));
        else if (!flush())
            return false;
    }
    if (!flush())
        return false;
    numbers = std::move(read);
    return true;
}

std::string filterNumbersText(const std::vector<std::uint8_t>& numbers) {
    std::string out;
    for (const auto n : numbers) {
        if (!out.empty())
            out += ' ';
        out += std::to_string(n);
    }
    return out;
}

std::optional<Notice> readFilterText(const std::filesystem::path& file, int minHits, int maxHits,
                                     std::vector<ListColumn>& out) {
    std::string text, error;
    if (!readTextFile(file, kMaxTextBytes, text, error))
        return fileNotice(error, file);
    std::vector<ListColumn> read;
    const std::uint8_t hits = admittedHitBits(minHits, maxHits);
    std::size_t lineNumber = 0;
    for (const auto line : splitLines(text)) {
        ++lineNumber;
        ListColumn c{{}, hits, 0};
        if (!parseFilterNumbers(line, c.numbers))
            return fileNotice("Numero non valido alla riga " + std::to_string(lineNumber), file);
        if (!c.numbers.empty())
            read.push_back(std::move(c));
    }
    out = std::move(read);
    return std::nullopt;
}

std::optional<Notice> readSystemColumns(const ProgramFolder& folder, const std::string& name,
                                        std::size_t held, std::vector<Column>& out) {
    const std::size_t room = kMaxFilterColumns - std::min(held, kMaxFilterColumns);
    std::vector<Column> read;
    std::size_t total = 0;
    if (auto notice = readSavedColumns(folder, name, room, read, total))
        return notice;
    if (total > room)
        return tooManyFilterColumns(held + total);
    out = std::move(read);
    return std::nullopt;
}

std::optional<Notice> deleteFilterFile(const ProgramFolder& folder, const std::string& name,
                                       const char* extension) {
    std::error_code ec;
    if (filterFileExists(folder, name, extension) &&
        std::filesystem::remove(folder.path("andor/" + name + extension), ec))
        return std::nullopt;
    return Notice{"Avviso:", {"Impossibile eliminare il file " + name + extension}};
}

std::vector<Column> drawColumns(const std::vector<Draw>& draws, std::size_t first,
                                std::size_t last) {
    std::vector<Column> out;
    last = std::min(last, draws.size());
    for (std::size_t i = std::max<std::size_t>(first, 1); i <= last; ++i)
        out.push_back(draws[i - 1].numbers);
    return out;
}

} // namespace varnelo
