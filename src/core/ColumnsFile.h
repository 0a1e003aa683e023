#pragma once

#include "core/AtomicWriter.h"
#include "core/ColumnStore.h"
#include "core/ColumnsSeal.h"
#include "core/Notice.h"
#include "core/ProgramFolder.h"
#include "core/Progress.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace varnelo {

enum class TaskStatus { Done, Cancelled, Failed };

struct TaskOutcome {
    TaskStatus status = TaskStatus::Done;
    std::optional<Notice> notice;
    bool done() const { return status == TaskStatus::Done; }
};

// "Troppe Colonne:" with "Max Colonne = " and the capacity.
Notice tooManyColumnsNotice();
// "Salvataggio sistema " + name + " ATTENDI", the label of the saving window.
std::string savingLabel(const std::string& name);

// Loads the columns file qor/<name>.cna after its settings file has been
// read: the first (total - capacity) columns of an oversized system go to the
// overflow file qor/qor.qor, the rest into the store. A cancel or a bad file
// leaves the store empty with every counter at 0. With a seal, a file that
// does not match it leaves the store empty too, but the outcome is Done with
// pairMismatchNotice(): the settings are sound and stay open.
TaskOutcome loadColumns(const ProgramFolder& folder, const std::string& name,
                        std::int32_t storedCount, std::int32_t systemTotal, ColumnStore& store,
                        Progress& progress, const std::optional<ColumnsSeal>& seal = {});

// The columns file beside a settings file is not the one saved with it.
Notice pairMismatchNotice(const std::string& name);

// Writes every column of the system to an open writer: first the overflow
// kept in qor/qor.qor when the store holds only part of the system, then the
// stored columns. The writer is neither finished nor published. Every
// column written goes into the digest when one is given.
TaskOutcome writeColumns(AtomicWriter& writer, const ProgramFolder& folder,
                         const ColumnStore& store, Progress& progress,
                         ColumnsDigest* digest = nullptr);

// Writes the stored columns as a text file in the columns-file layout
// ("Salva colonne su file di testo"); refused when the list is full.
TaskOutcome exportColumns(const std::filesystem::path& file, const ColumnStore& store,
                          Progress& progress);

} // namespace varnelo
