#include "core/TextColumns.h"

#include "core/LineReader.h"
#include "core/TextFile.h"

#include <algorithm>
#include <bitset>
#include <cstring>

namespace varnelo {

namespace {

Notice unfitNotice(const char* why) {
    return Notice{"Sistema non Idoneo:",
                  {"Le colonne memorizzate non sono valide:", why,
                   "Le colonne non possono essere caricate."}};
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Rows written past the stored count by an import that did not finish.
void forgetRows(ColumnStore& store, std::int32_t from, std::int32_t to) {
    if (to < from)
        return;
    for (int p = 1; p <= kColumnSize; ++p)
        std::memset(store.plane(p) + from, 0, static_cast<std::size_t>(to - from + 1));
}

} // namespace

std::vector<int> importLineNumbers(std::string_view line) {
    line = trimBlanks(line);
    std::vector<int> numbers;
    std::size_t i = 0;
    while (i < line.size() && numbers.size() < kColumnSize) {
        if (!isDigit(line[i])) {
            ++i;
            continue;
        }
        if (i + 1 < line.size() && isDigit(line[i + 1])) {
            numbers.push_back((line[i] - '0') * 10 + (line[i + 1] - '0'));
            i += 2;
        } else {
            numbers.push_back(line[i] - '0');
            ++i;
        }
    }
    return numbers;
}

ImportOutcome importColumns(const std::filesystem::path& file, ColumnStore& store,
                            Selection& selection, SystemOptions& options, Progress& progress) {
    ImportOutcome out;
    auto fail = [&out](Notice n) {
        out.status = TaskStatus::Failed;
        out.notice = std::move(n);
        return out;
    };
    const std::int32_t capacity = store.capacity();
    const std::int32_t before = store.storedCount;
    std::int64_t lines = 0;
    {
        LineReader counter(file);
        if (!counter.isOpen())
            return fail(Notice{"Importa colonne:",
                               {"Il file " + file.string() + " non esiste o non si può leggere."}});
        std::string_view line;
        while (lines + before < capacity && counter.next(line))
            ++lines;
    }
    if (lines + before >= capacity)
        return fail(tooManyColumnsNotice());
    progress.total.store(lines);

    LineReader in(file);
    std::string_view line;
    std::bitset<kMaxNumber + 1> met;
    std::int32_t row = before;
    std::int64_t read = 0;
    auto stop = [&](Notice n) {
        forgetRows(store, before + 1, row);
        return fail(std::move(n));
    };
    while (read < lines && in.next(line)) {
        ++read;
        std::vector<int> n = importLineNumbers(line);
        for (int v : n)
            if (v < 1 || v > kMaxNumber)
                return stop(unfitNotice("(qualche numero e superiore a 49)"));
        if (n.size() < kColumnSize) {
            ++out.skipped;
        } else {
            std::sort(n.begin(), n.end());
            if (std::adjacent_find(n.begin(), n.end()) != n.end())
                return stop(unfitNotice("(qualche numero e uguale nel valore)"));
            Column c;
            for (std::size_t k = 0; k < kColumnSize; ++k) {
                c[k] = static_cast<std::uint8_t>(n[k]);
                met.set(static_cast<std::size_t>(n[k]));
            }
            store.store(++row, c);
        }
        if (read % kProgressStep == 0) {
            progress.report(read);
            if (progress.cancelled()) {
                forgetRows(store, before + 1, row);
                out.status = TaskStatus::Cancelled;
                return out;
            }
        }
    }
    progress.report(read);
    for (int v = 1; v <= kMaxNumber; ++v)
        if (met.test(static_cast<std::size_t>(v)) && selection.state(v) == Selection::NotChosen)
            selection.setState(v, Selection::Chosen);
    store.storedCount = store.systemTotal = store.developedCount = store.finalCount = row;
    store.hasColumns = row > 0;
    options.kindCode = kImportedKindCode;
    out.imported = row - before;
    return out;
}

} // namespace varnelo
