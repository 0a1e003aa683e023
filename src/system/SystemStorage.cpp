#include "system/SystemStorage.h"

#include "core/Archive.h"
#include "core/ColumnsFileFormat.h"
#include "core/TextFile.h"
#include "system/SystemName.h"

#include <memory>
#include <system_error>

namespace varnelo {

namespace {

std::filesystem::path settingsPath(const ProgramFolder& folder, const std::string& name) {
    return folder.path("qor/" + name + ".sse");
}

std::filesystem::path columnsPath(const ProgramFolder& folder, const std::string& name) {
    return folder.path("qor/" + name + ".cna");
}

Notice saveFailedNotice(const std::string& name, const std::string& detail) {
    return Notice{"Salvataggio non riuscito:",
                  {"Il sistema " + name + ".cna non e stato salvato:", detail,
                   "Il file salvato in precedenza e rimasto intatto."}};
}

TaskOutcome failedSave(const std::string& name, const std::string& detail) {
    return {TaskStatus::Failed, saveFailedNotice(name, detail)};
}

std::function<void(SaveStep)>& saveStepHook() {
    static std::function<void(SaveStep)> hook;
    return hook;
}

void reachedSaveStep(SaveStep step) {
    if (saveStepHook())
        saveStepHook()(step);
}

// Every number of every stored column is chosen in the selection.
bool columnsWithinSelection(const ColumnStore& store, const Selection& selection) {
    for (std::int32_t i = 1; i <= store.storedCount; ++i)
        for (std::uint8_t n : store.column(i))
            if (selection.state(n) == Selection::NotChosen)
                return false;
    return true;
}

} // namespace

Notice damagedSystemNotice(const std::string& name) {
    return Notice{"Avviso:",
                  {"Il sistema ( " + name + ".cna ) Non esiste o e stato manomesso!",
                   "Questo potrebbe succedere anche scaricando un aggiornamento",
                   "del programma, Può darsi che nell'aggiornamento",
                   "sia stata aggiunta qualche altra condizione."}};
}

Notice reservedNameNotice(bool currentIsArchive) {
    Notice n{"Avviso:",
             {"Non e possibile salvare un sistema col nome ''archivio''",
              "Cambiare nome a questo sistema.. grazie!!"}};
    if (currentIsArchive) {
        n.lines.push_back("L'archivio delle colonne vincenti, si puo caricare,");
        n.lines.push_back("e modificarlo, ma si deve salvare con un nome diverso!");
    }
    return n;
}

Notice overwriteQuestion(const std::string& name) {
    return Notice{"Nome sistema = " + name + ".cna",
                  {"File gia esistente  = " + name + ".cna", "Sostituire il file?"},
                  kNoticeYesNo,
                  true};
}

std::optional<Notice> savePrompt(const ProgramState& state) {
    if (!state.modified)
        return std::nullopt;
    return Notice{"Nome sistema = " + state.systemName + ".cna",
                  {"Salvare il sistema?  " + state.systemName + ".cna"},
                  kNoticeYesNoCancel};
}

bool systemExists(const ProgramFolder& folder, const std::string& name) {
    std::error_code ec;
    return std::filesystem::exists(settingsPath(folder, name), ec);
}

SaveAsDecision decideSaveAs(const ProgramState& state, std::string_view typedName) {
    SaveAsDecision d;
    d.name = std::string(trimBlanks(typedSystemName(typedName)));
    const bool currentIsArchive = isReservedSystemName(state.systemName);
    if (d.name.empty()) {
        // A name of blanks only would make a file called ".sse".
        d.notice = Notice{"Avviso:", {"Inserire il nome del sistema."}};
        return d;
    }
    if (isReservedSystemName(d.name)) {
        d.notice = reservedNameNotice(currentIsArchive);
        return d;
    }
    if (d.name == state.systemName && !state.modified) {
        d.step = SaveAsStep::NothingToDo;
        return d;
    }
    if (systemExists(state.folder, d.name)) {
        d.step = SaveAsStep::AskOverwrite;
        d.notice = overwriteQuestion(d.name);
        return d;
    }
    d.step = SaveAsStep::Save;
    return d;
}

SystemSettings currentSystemSettings(const ProgramState& state) {
    SystemSettings s;
    s.options = state.options;
    s.selection = state.selection;
    s.conditions = state.conditions;
    s.links = state.links;
    s.quadri = state.quadri;
    s.levels = state.levels;
    s.families = state.families;
    s.counts = {state.columns.developedCount, state.columns.finalCount, state.columns.storedCount,
                state.columns.systemTotal};
    s.otherSections = state.otherSections;
    return s;
}

void setSaveStepHook(std::function<void(SaveStep)> hook) {
    saveStepHook() = std::move(hook);
}

TaskOutcome saveSystem(ProgramState& state, Progress& progress) {
    const std::string& name = state.systemName;
    if (isReservedSystemName(name))
        return {TaskStatus::Failed, reservedNameNotice(true)};
    removeLeftoverTemporaries(state.folder.path("qor"));
    // A system without columns still writes its (empty) columns file, so an
    // older one never stays beside a settings file that says 0 columns.
    const bool withColumns = state.settings.saveColumns;
    SystemSettings current = currentSystemSettings(state);
    std::unique_ptr<AtomicWriter> columns;
    if (withColumns) {
        columns = std::make_unique<AtomicWriter>(columnsPath(state.folder, name));
        if (!columns->open())
            return failedSave(name, columns->error());
        ColumnsDigest digest;
        TaskOutcome written =
            writeColumns(*columns, state.folder, state.columns, progress, &digest);
        if (written.status == TaskStatus::Failed && written.notice &&
            written.notice->lines.size() > 1)
            return failedSave(name, written.notice->lines[1]);
        if (!written.done())
            return written;
        if (!columns->finish())
            return failedSave(name, columns->error());
        current.seal = digest.seal();
        reachedSaveStep(SaveStep::ColumnsWritten);
    }
    AtomicWriter settings(settingsPath(state.folder, name));
    if (!settings.open() ||
        !settings.write(formatSystemSettings(current, state.settings.saveColumns)) ||
        !settings.finish())
        return failedSave(name, settings.error());
    reachedSaveStep(SaveStep::SettingsWritten);
    if (columns && !columns->publish())
        return failedSave(name, columns->error());
    reachedSaveStep(SaveStep::ColumnsReplaced);
    if (!settings.publish())
        return failedSave(name, settings.error());
    reachedSaveStep(SaveStep::SettingsReplaced);
    state.modified = false;
    return {};
}

TaskOutcome saveSystemAs(ProgramState& state, const std::string& name, Progress& progress) {
    std::string old = state.systemName;
    state.systemName = name;
    TaskOutcome out = saveSystem(state, progress);
    if (!out.done())
        state.systemName = std::move(old);
    return out;
}

void clearConditions(ProgramState& state) {
    state.conditions.clear();
    state.links = Links{};
    state.quadri = Quadri{};
    state.levels = LevelLimits{};
    // The picchetti belong to the program (picchetto/picchetto.txt), not to the system.
    PicchettoTable picchetti = std::move(state.families.picchetti);
    state.families = ConditionFamilies{};
    state.families.picchetti = std::move(picchetti);
}

void takeConditions(ProgramState& state, const SystemSettings& s) {
    state.conditions = s.conditions;
    state.links = s.links;
    state.quadri = s.quadri;
    state.levels = s.levels;
    state.families = s.families;
}

void newSystem(ProgramState& state) {
    state.selection.clear();
    state.options = SystemOptions{};
    clearConditions(state);
    state.otherSections.clear();
    state.columns.clear();
    state.systemName = firstFreeSystemName(state.folder);
    state.modified = false;
    // A new system starts with a forecast the player can edit.
    state.forecastLock.clear();
}

TaskOutcome openSystem(ProgramState& state, const std::string& name, Progress& progress,
                       SettingsLayout layout) {
    std::string text;
    std::string error;
    if (!readSystemSettingsFile(settingsPath(state.folder, name), text, error))
        return {TaskStatus::Failed, damagedSystemNotice(name)};
    SystemSettings s;
    switch (parseSystemSettings(text, s, layout)) {
    case SettingsFileState::Damaged:
        return {TaskStatus::Failed, damagedSystemNotice(name)};
    case SettingsFileState::Empty:
        newSystem(state);
        state.systemName = name;
        return {};
    case SettingsFileState::Read:
        break;
    }
    state.selection = s.selection;
    state.options = s.options;
    takeConditions(state, s);
    state.otherSections = std::move(s.otherSections);
    state.systemName = name;
    state.modified = false;
    state.forecastLock.clear();
    state.columns.clear();
    if (s.counts.stored == 0 && s.counts.total == 0)
        return {};
    TaskOutcome out = loadColumns(state.folder, name, s.counts.stored, s.counts.total,
                                  state.columns, progress, s.seal);
    // Columns developed from the forecast can only hold its numbers, whatever
    // seal the file has; imported columns and systems without a forecast of
    // a column's size chose theirs elsewhere.
    const bool fromForecast = !s.options.imported() && state.selection.chosenCount() >= kColumnSize;
    if (out.done() && fromForecast && !columnsWithinSelection(state.columns, state.selection)) {
        state.columns.clear();
        out.notice = pairMismatchNotice(name);
    }
    if (out.done() && !out.notice) {
        state.columns.developedCount = s.counts.developed;
        state.columns.finalCount = s.counts.final;
    }
    return out;
}

TaskOutcome buildArchiveSystem(const ProgramFolder& folder) {
    ArchiveContents archive;
    std::string error;
    if (!readArchive(folder.path("enal/archivio.cna"), kMaxArchiveLines, archive, error))
        return {TaskStatus::Failed, archiveErrorNotice(error)};
    const auto count = static_cast<long long>(archive.draws.size());
    std::string columns;
    columns.reserve(archive.draws.size() * kColumnLineBytes);
    ColumnsDigest digest;
    for (const Draw& d : archive.draws) {
        appendColumnLine(columns, d.numbers);
        digest.add(d.numbers);
    }
    std::vector<long long> header(20, 0);
    header[5] = header[7] = header[8] = count;
    writeSealFields(header, digest.seal());
    const std::string settings =
        joinLines({listForm(header), listForm(std::vector<long long>(50, 1)),
                   listForm(std::vector<long long>(10, 0)), "Sistema Colonnare"});
    AtomicWriter cna(folder.path("qor/archivio.cna"));
    AtomicWriter sse(folder.path("qor/archivio.sse"));
    if (!cna.open() || !cna.write(columns) || !cna.finish())
        return {TaskStatus::Failed, archiveErrorNotice(cna.error())};
    if (!sse.open() || !sse.write(settings) || !sse.finish())
        return {TaskStatus::Failed, archiveErrorNotice(sse.error())};
    if (!cna.publish())
        return {TaskStatus::Failed, archiveErrorNotice(cna.error())};
    if (!sse.publish())
        return {TaskStatus::Failed, archiveErrorNotice(sse.error())};
    TaskOutcome out;
    if (!archive.problems.empty())
        out.notice = archiveProblemsNotice("enal/archivio.cna", archive.problems);
    return out;
}

} // namespace varnelo
