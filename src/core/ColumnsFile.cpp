#include "core/ColumnsFile.h"

#include "core/ColumnsFileFormat.h"
#include "core/LineReader.h"
#include "core/TextFile.h"

namespace varnelo {

namespace {

TaskOutcome failed(Notice n) {
    return {TaskStatus::Failed, std::move(n)};
}

Notice loadNotice(const std::string& name, const std::string& line) {
    return Notice{"Caricamento colonne:",
                  {"Le colonne del sistema " + name + ".cna non possono essere caricate:", line,
                   "Il sistema resta senza colonne."}};
}

Notice columnsWriteNotice(const std::string& what) {
    return Notice{"Salvataggio non riuscito:",
                  {"Le colonne non sono state scritte:", what,
                   "Il file salvato in precedenza e rimasto intatto."}};
}

// Appends stored columns from..to, a progress step at a time.
TaskOutcome writeStored(AtomicWriter& writer, const ColumnStore& store, std::int64_t shown,
                        Progress& progress, ColumnsDigest* digest) {
    std::string chunk;
    chunk.reserve(static_cast<std::size_t>(kProgressStep) * kColumnLineBytes);
    const std::int32_t n = store.storedCount;
    for (std::int32_t i = 1; i <= n; ++i) {
        const Column c = store.column(i);
        appendColumnLine(chunk, c);
        if (digest)
            digest->add(c);
        if (i % kProgressStep == 0 || i == n) {
            if (!writer.write(chunk))
                return failed(columnsWriteNotice(writer.error()));
            chunk.clear();
            progress.report(shown + i);
            if (progress.cancelled())
                return {TaskStatus::Cancelled, std::nullopt};
        }
    }
    return {};
}

} // namespace

Notice tooManyColumnsNotice() {
    return Notice{"Troppe Colonne:", {"Max Colonne = " + std::to_string(ColumnStore::kCapacity)}};
}

Notice pairMismatchNotice(const std::string& name) {
    return Notice{"Sistema non integro:",
                  {"Il file " + name + ".cna non e quello salvato con " + name + ".sse:",
                   "il sistema e stato aperto senza colonne.",
                   "Per ricostruirle usare \"Rielabora Sistema:\" o sviluppare di nuovo."}};
}

std::string savingLabel(const std::string& name) {
    return "Salvataggio sistema " + name + " ATTENDI";
}

TaskOutcome loadColumns(const ProgramFolder& folder, const std::string& name,
                        std::int32_t storedCount, std::int32_t systemTotal, ColumnStore& store,
                        Progress& progress, const std::optional<ColumnsSeal>& seal) {
    store.clear();
    const std::int32_t overflow =
        systemTotal > ColumnStore::kCapacity ? systemTotal - ColumnStore::kCapacity : 0;
    if (storedCount < 0 || storedCount > ColumnStore::kCapacity || systemTotal < storedCount ||
        storedCount + overflow != systemTotal)
        return failed(loadNotice(name, "i contatori del sistema non sono coerenti."));
    LineReader in(folder.path("qor/" + name + ".cna"));
    if (!in.isOpen())
        return failed(
            loadNotice(name, "il file " + name + ".cna non esiste o non si può leggere."));
    progress.total.store(systemTotal);
    AtomicWriter spill(folder.path("qor/qor.qor"));
    if (!spill.open())
        return failed(loadNotice(name, spill.error()));
    std::string_view line;
    std::string reason;
    std::string chunk;
    Column c{};
    ColumnsDigest digest;
    auto badLine = [&](std::int64_t lineNo, const std::string& why) {
        store.clear();
        return failed(loadNotice(name, "riga " + std::to_string(lineNo) + ": " + why + "."));
    };
    // A sealed system whose columns file is short has the file of another save.
    auto endedEarly = [&](std::int64_t lineNo) {
        if (!seal || in.failed())
            return badLine(lineNo, "il file finisce prima del previsto");
        store.clear();
        return TaskOutcome{TaskStatus::Done, pairMismatchNotice(name)};
    };
    for (std::int32_t k = 1; k <= overflow; ++k) {
        if (!in.next(line))
            return endedEarly(k);
        if (!parseColumnLine(line, c, &reason))
            return badLine(k, reason);
        digest.add(c);
        appendColumnLine(chunk, c);
        if (k % kProgressStep == 0 || k == overflow) {
            if (!spill.write(chunk))
                return failed(loadNotice(name, spill.error()));
            chunk.clear();
        }
    }
    if (!spill.commit())
        return failed(loadNotice(name, spill.error()));
    for (std::int32_t i = 1; i <= storedCount; ++i) {
        if (!in.next(line))
            return endedEarly(overflow + i);
        if (!parseColumnLine(line, c, &reason))
            return badLine(overflow + i, reason);
        digest.add(c);
        store.store(i, c);
        if (i % kProgressStep == 0) {
            progress.report(overflow + i);
            if (progress.cancelled()) {
                store.clear();
                return {TaskStatus::Cancelled, std::nullopt};
            }
        }
    }
    if (seal) {
        // A longer file from a later save may begin with the same columns.
        bool more = false;
        while (!more && in.next(line))
            more = !trimBlanks(line).empty();
        if (!in.failed() && (more || digest.seal() != *seal)) {
            store.clear();
            return {TaskStatus::Done, pairMismatchNotice(name)};
        }
    }
    if (in.failed())
        return badLine(systemTotal, "errore di lettura del disco");
    progress.report(systemTotal);
    store.storedCount = storedCount;
    store.systemTotal = systemTotal;
    store.hasColumns = storedCount > 0;
    return {};
}

TaskOutcome writeColumns(AtomicWriter& writer, const ProgramFolder& folder,
                         const ColumnStore& store, Progress& progress, ColumnsDigest* digest) {
    const std::int64_t overflow = store.systemTotal - store.storedCount;
    progress.total.store(store.systemTotal);
    if (overflow > 0) {
        LineReader spill(folder.path("qor/qor.qor"));
        std::string_view line;
        std::string chunk;
        Column c{};
        for (std::int64_t k = 1; k <= overflow; ++k) {
            if (!spill.next(line) || !parseColumnLine(line, c))
                return failed(
                    columnsWriteNotice("il file qor.qor delle colonne in eccesso e incompleto."));
            if (digest)
                digest->add(c);
            appendColumnLine(chunk, c);
            if (k % kProgressStep == 0 || k == overflow) {
                if (!writer.write(chunk))
                    return failed(columnsWriteNotice(writer.error()));
                chunk.clear();
                progress.report(k);
                if (progress.cancelled())
                    return {TaskStatus::Cancelled, std::nullopt};
            }
        }
    }
    return writeStored(writer, store, overflow > 0 ? overflow : 0, progress, digest);
}

TaskOutcome exportColumns(const std::filesystem::path& file, const ColumnStore& store,
                          Progress& progress) {
    if (store.storedCount >= ColumnStore::kCapacity)
        return failed(tooManyColumnsNotice());
    progress.total.store(store.storedCount);
    AtomicWriter writer(file);
    if (!writer.open())
        return failed(columnsWriteNotice(writer.error()));
    TaskOutcome out = writeStored(writer, store, 0, progress, nullptr);
    if (out.done() && !writer.commit())
        return failed(columnsWriteNotice(writer.error()));
    return out;
}

} // namespace varnelo
