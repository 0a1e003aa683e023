#include "system/ColumnSystems.h"

#include "core/AtomicWriter.h"
#include "core/ColumnsFileFormat.h"
#include "core/SavedColumns.h"
#include "core/TextFile.h"
#include "system/SystemFile.h"
#include "system/SystemName.h"

#include <bitset>
#include <filesystem>
#include <limits>
#include <memory>

namespace varnelo {

namespace {

Notice notDevelopedNotice(const std::string& name) {
    return Notice{"Avviso:", {"Sistema non elaborato,", "Sistema = " + name}};
}

Notice resultSaveFailed(const std::string& name, const std::string& detail) {
    return Notice{"Salvataggio non riuscito:",
                  {"Il sistema " + name + ".cna non e stato salvato:", detail}};
}

std::string columnSystemSettings(const std::vector<Column>& columns) {
    std::bitset<kMaxNumber + 1> used;
    for (const Column& c : columns)
        for (std::uint8_t n : c)
            used.set(n);
    SystemSettings s;
    s.columnsOnly = true;
    s.options.kindCode = kImportedKindCode;
    s.options.description = "Sistema Colonnare";
    for (int n = 1; n <= kMaxNumber; ++n)
        if (used.test(static_cast<std::size_t>(n)))
            s.selection.setState(n, Selection::Chosen);
    const auto count = static_cast<std::int32_t>(columns.size());
    s.counts = {count, count, count, count};
    return formatSystemSettings(s, true);
}

} // namespace

std::optional<Notice> readColumnSystem(const ProgramFolder& folder, const std::string& name,
                                       std::vector<Column>& out) {
    std::string text, error;
    if (!readSystemSettingsFile(folder.path("qor/" + name + ".sse"), text, error))
        return damagedSystemNotice(name);
    SystemSettings s;
    switch (parseSystemSettings(text, s, SettingsLayout::PreviousVersion)) {
    case SettingsFileState::Damaged:
        return damagedSystemNotice(name);
    case SettingsFileState::Empty:
        return notDevelopedNotice(name);
    case SettingsFileState::Read:
        break;
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(folder.path("qor/" + name + ".cna"), ec))
        return notDevelopedNotice(name);
    std::size_t total = 0;
    return readSavedColumns(folder, name, std::numeric_limits<std::size_t>::max(), out, total);
}

Notice comparisonCapacityNotice(std::size_t count) {
    return Notice{"Avviso:",
                  {"Colonne N° = " + std::to_string(count), "non deve superare le 2120000"}};
}

SaveAsDecision decideResultName(const ProgramFolder& folder, std::string_view typedName,
                                const std::string& first, const std::string& second) {
    SaveAsDecision d;
    d.name = std::string(trimBlanks(typedSystemName(typedName)));
    if (d.name.empty()) {
        d.notice = Notice{"Avviso:", {"Inserire il nome del sistema."}};
        return d;
    }
    if (isReservedSystemName(d.name)) {
        d.notice = reservedNameNotice(false);
        return d;
    }
    if (d.name == first || d.name == second) {
        d.notice = Notice{"Avviso:",
                          {"Non e possibile cambiare con", "lo stesso nome di uno dei due sistemi,",
                           "Immettere un nome diverso dai", "due sistemi da voler confrontare!",
                           "Cambiare nome a questo sistema.. grazie!!"}};
        return d;
    }
    if (systemExists(folder, d.name)) {
        d.step = SaveAsStep::AskOverwrite;
        d.notice = Notice{"Avviso:",
                          {"File gia esistente  = " + d.name, "Sostituire il file?"},
                          kNoticeYesNo,
                          true};
        return d;
    }
    d.step = SaveAsStep::Save;
    return d;
}

TaskOutcome saveColumnSystem(const ProgramFolder& folder, const std::string& name,
                             const std::vector<Column>& columns,
                             const std::optional<ExtraFile>& extraFile) {
    if (isReservedSystemName(name))
        return {TaskStatus::Failed, reservedNameNotice(false)};
    std::string lines;
    lines.reserve(columns.size() * kColumnLineBytes);
    for (const Column& c : columns)
        appendColumnLine(lines, c);
    AtomicWriter cna(folder.path("qor/" + name + ".cna"));
    AtomicWriter sse(folder.path("qor/" + name + ".sse"));
    std::unique_ptr<AtomicWriter> extra;
    if (extraFile)
        extra = std::make_unique<AtomicWriter>(folder.path("qor/" + extraFile->fileName));
    const std::string settings = columnSystemSettings(columns);
    for (auto [writer, content] :
         {std::pair{&cna, std::string_view(lines)}, std::pair{&sse, std::string_view(settings)}})
        if (!writer->open() || !writer->write(content) || !writer->finish())
            return {TaskStatus::Failed, resultSaveFailed(name, writer->error())};
    if (extra && (!extra->open() || !extra->write(extraFile->content) || !extra->finish()))
        return {TaskStatus::Failed, resultSaveFailed(name, extra->error())};
    // The columns go first: a settings file never announces columns not yet there.
    for (AtomicWriter* w : {&cna, extra.get(), &sse})
        if (w && !w->publish())
            return {TaskStatus::Failed, resultSaveFailed(name, w->error())};
    return {};
}

std::optional<Notice> joinRefusal(const std::string& first, const std::string& second,
                                  std::size_t firstCount, std::size_t secondCount) {
    if (first.empty() || second.empty())
        return Notice{"Avviso:", {"Apri prima i sistemi da voler unire"}};
    if (first == second)
        return Notice{"Avviso:", {"non aprire due volte lo stesso sistema!"}};
    if (firstCount == 0 || secondCount == 0)
        return Notice{
            "Avviso:",
            {"Uno dei due sistemi non contiene nessuna", "colonna, operazione annullata."}};
    if (firstCount > kJoinFirstLimit)
        return Notice{"Avviso:", {"Il primo sistema non deve", "superare le 20.000 colonne."}};
    return std::nullopt;
}

Notice joinSaveQuestion() {
    return Notice{"Avviso:",
                  {"Il sistema in corso e stato modificato,",
                   "bisogna salvare prima le combinazioni,",
                   "per poter procedere all'unione di questo sistema", "procedere al salvataggio?"},
                  kNoticeYesNo};
}

std::string formatJoinRecord(const JoinRecord& r) {
    const std::string elimination = r.elimination == 0 ? "Nessuna"
                                    : r.elimination == 5
                                        ? "Garanzia 5"
                                        : "Ridotto con garanzia " + std::to_string(r.elimination);
    return joinLines(
        {"Sistema Unito", "1° Sistema = " + r.first, "   colonne = " + std::to_string(r.firstCount),
         "2° Sistema = " + r.second, "   colonne = " + std::to_string(r.secondCount),
         "Elimina le colonne = " + elimination, "Eliminate = " + std::to_string(r.eliminated),
         "   N° Colonne= " + std::to_string(r.resultCount)});
}

} // namespace varnelo
