#include "checking/NumberCounts.h"

#include "core/ColumnsFileFormat.h"
#include "core/LineReader.h"

#include <string>

namespace varnelo {

namespace {

Notice overflowNotice(const std::string& why) {
    return Notice{"Distribuzione segni:",
                  {"Le colonne in eccesso (qor/qor.qor) non si possono leggere:", why,
                   "I conteggi valgono solo per le colonne in memoria."}};
}

// Reads `lines` columns of the overflow file into the counts; a missing or
// short file leaves a notice.
void countOverflow(const std::filesystem::path& file, std::int64_t lines, NumberCounts& out) {
    LineReader in(file);
    if (!in.isOpen()) {
        out.notice = overflowNotice("il file non esiste o non si può aprire.");
        return;
    }
    std::string_view line;
    std::string reason;
    Column c{};
    for (std::int64_t k = 1; k <= lines; ++k) {
        if (!in.next(line)) {
            out.notice = overflowNotice("il file finisce alla riga " + std::to_string(k) + ".");
            return;
        }
        if (!parseColumnLine(line, c, &reason)) {
            out.notice = overflowNotice("riga " + std::to_string(k) + ": " + reason + ".");
            return;
        }
        for (std::uint8_t n : c)
            ++out.count[n];
        ++out.columns;
    }
}

} // namespace

NumberCounts countNumbers(const ColumnStore& store, const std::filesystem::path& overflowFile) {
    NumberCounts out;
    // One pass per position plane: the bytes lie side by side.
    for (int p = 1; p <= kColumnSize; ++p) {
        const std::uint8_t* plane = store.plane(p);
        for (std::int32_t i = 1; i <= store.storedCount; ++i)
            ++out.count[plane[i]];
    }
    out.columns = store.storedCount;
    if (const std::int64_t overflow = std::int64_t{store.systemTotal} - store.storedCount;
        overflow > 0)
        countOverflow(overflowFile, overflow, out);
    return out;
}

NumberCounts countNumbers(const std::vector<Column>& columns) {
    NumberCounts out;
    for (const Column& c : columns)
        for (std::uint8_t n : c)
            ++out.count[n];
    out.columns = static_cast<std::int64_t>(columns.size());
    return out;
}

NumberSpread spreadOf(const NumberCounts& counts, const std::vector<int>& chosen) {
    std::array<bool, kMaxNumber + 1> inPlay{};
    for (int n : chosen)
        if (n >= 1 && n <= kMaxNumber)
            inPlay[static_cast<std::size_t>(n)] = true;
    for (int n = 1; n <= kMaxNumber; ++n)
        if (counts.count[static_cast<std::size_t>(n)] > 0)
            inPlay[static_cast<std::size_t>(n)] = true;
    NumberSpread out;
    out.columns = counts.columns;
    int numbers = 0;
    for (bool b : inPlay)
        numbers += b;
    if (numbers == 0)
        return out;
    const double signs = static_cast<double>(counts.columns) * kColumnSize;
    out.even = signs / numbers;
    for (int n = 1; n <= kMaxNumber; ++n) {
        if (!inPlay[static_cast<std::size_t>(n)])
            continue;
        NumberShare s;
        s.number = n;
        s.count = counts.count[static_cast<std::size_t>(n)];
        const auto count = static_cast<double>(s.count);
        if (counts.columns > 0) {
            s.columnShare = count * 100.0 / static_cast<double>(counts.columns);
            s.signShare = count * 100.0 / signs;
            s.deviation = count - out.even;
            s.deviationShare = s.deviation * 100.0 / out.even;
        }
        out.numbers.push_back(s);
    }
    return out;
}

} // namespace varnelo
