#include "system/ArchiveEditor.h"

#include "core/Archive.h"
#include "core/AtomicWriter.h"
#include "core/TextFile.h"
#include "system/SystemStorage.h"

namespace varnelo {

namespace {

Notice entryNotice() {
    return Notice{"Informazione:",
                  {"Inserire nel campo data la data = Es. 16  6  2016",
                   "Inserire la colonna vincente progressivamente.",
                   "Puo darsi che il 5+ sia uguale alla colonna vincente inserita.",
                   "Puo darsi che la data non sia inserita giusta."}};
}

int fieldValue(const std::string& text) {
    long long v = 0;
    return parseIntegerText(text, v) && v >= 0 && v <= 99999 ? static_cast<int>(v) : -1;
}

EditorRow rowOf(const Draw& d, std::string tail) {
    const std::string line = d.text();
    return EditorRow{d.date(), line.substr(0, 14), line.substr(14, 2), line.substr(16, 2),
                     std::move(tail)};
}

} // namespace

bool ArchiveEditor::open(const ProgramFolder& folder, std::vector<Notice>& notices) {
    const auto path = folder.path("enal/archivio.cna");
    std::string text;
    std::string error;
    if (!readTextFile(path, kMaxArchiveBytes, text, error)) {
        notices.push_back(archiveErrorNotice(error));
        return false;
    }
    ArchiveContents archive;
    if (!readArchive(path, kMaxArchiveLines, archive, error)) {
        notices.push_back(archiveErrorNotice(error));
        return false;
    }
    if (!archive.problems.empty())
        notices.push_back(archiveProblemsNotice("enal/archivio.cna", archive.problems));
    const auto lines = splitLines(text);
    const std::size_t n = archive.draws.size();
    const std::size_t firstLoaded = n > kLoadedDraws ? n - kLoadedDraws : 0;
    drawCount_ = static_cast<std::int32_t>(n);
    keptLines_.clear();
    rows_.clear();
    // Every line before the first loaded draw is kept as it is.
    const std::size_t keepUpTo = firstLoaded > 0 ? archive.drawLines[firstLoaded - 1] : 0;
    for (std::size_t i = 0; i < keepUpTo; ++i)
        keptLines_.emplace_back(lines[i]);
    // A malformed line among the loaded draws has no row: "OK" drops it.
    for (const auto& p : archive.problems)
        if (p.line > keepUpTo) {
            notices.push_back(Notice{"Aggiornamento archivio:",
                                     {"Le righe non valide dell'archivio non sono nella griglia:",
                                      "con \"OK\" saranno tolte dall'archivio."}});
            break;
        }
    for (std::size_t k = firstLoaded; k < n; ++k) {
        const std::string_view line = lines[archive.drawLines[k] - 1];
        const std::string_view tail =
            trimBlanks(line.size() > kDrawLineWidth ? line.substr(kDrawLineWidth) : "");
        rows_.push_back(rowOf(archive.draws[k], std::string(tail)));
    }
    return true;
}

std::optional<Notice> ArchiveEditor::add(const EditorEntry& entry) {
    Draw d;
    for (std::size_t p = 0; p < kColumnSize; ++p) {
        const int v = fieldValue(entry.numbers[p]);
        if (v < 1 || v > kMaxNumber || (p > 0 && v <= d.numbers[p - 1]))
            return entryNotice();
        d.numbers[p] = static_cast<std::uint8_t>(v);
    }
    for (std::size_t k = 0; k < 2; ++k) {
        const int v = fieldValue(entry.numeroni[k]);
        if (v < 1 || v > kMaxNumerone)
            return entryNotice();
        d.numeroni[k] = static_cast<std::uint8_t>(v);
    }
    d.day = fieldValue(entry.day);
    d.month = fieldValue(entry.month);
    d.year = fieldValue(entry.year);
    // A day the month does not have (31 4) or a year that is not four digits
    // would write a line no reader can take back.
    if (d.year < 1000 || d.year > 9999 || !isValidDate(d.day, d.month, d.year))
        return entryNotice();
    rows_.push_back(rowOf(d, ""));
    return std::nullopt;
}

std::string ArchiveEditor::removeQuestion(std::size_t row) const {
    return row < rows_.size() ? "Eliminare la colonna con Data = " + rows_[row].date : "";
}

bool ArchiveEditor::remove(std::size_t row) {
    if (row >= rows_.size())
        return false;
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
    return true;
}

TaskOutcome ArchiveEditor::commit(const ProgramFolder& folder) const {
    std::string text;
    for (const auto& line : keptLines_) {
        text += line;
        text += "\r\n";
    }
    for (const auto& r : rows_) {
        text += std::string(trimBlanks(r.numbers + r.numerone1 + r.numerone2 + r.date + r.tail));
        text += "\r\n";
    }
    AtomicWriter w(folder.path("enal/archivio.cna"), folder.path("enal/archivio.cnn"));
    if (!w.open() || !w.write(text) || !w.commit())
        return {TaskStatus::Failed, archiveErrorNotice(w.error())};
    return buildArchiveSystem(folder);
}

} // namespace varnelo
