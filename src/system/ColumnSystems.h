#pragma once

#include "core/ColumnsFile.h"
#include "core/Notice.h"
#include "core/Numbers.h"
#include "core/ProgramFolder.h"
#include "system/SystemStorage.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnelo {

// Most columns the first system of a join may hold.
inline constexpr std::size_t kJoinFirstLimit = 20000;

// The columns of a saved system for comparing or joining. Refused with its
// notice: a damaged settings file, a system never developed (no columns
// file) and a columns file with a bad line. `out` changes only on success.
std::optional<Notice> readColumnSystem(const ProgramFolder& folder, const std::string& name,
                                       std::vector<Column>& out);

// "Colonne N° = " over the capacity of a comparison.
Notice comparisonCapacityNotice(std::size_t count);

// The name typed for a result: refused when empty, "archivio" or one of the
// inputs; AskOverwrite with "Sostituire il file?" for an existing system.
SaveAsDecision decideResultName(const ProgramFolder& folder, std::string_view typedName,
                                const std::string& first, const std::string& second);

// Saves the columns as a column-defined system: qor/<name>.cna and a
// settings file of four lines ("Sistema Colonnare"), with the numbers of
// the columns chosen. `extraFile` (a whole file name such as "x.sss") is
// written beside them when given. Every file is written in full before any
// replaces an old one.
struct ExtraFile {
    std::string fileName;
    std::string content;
};
TaskOutcome saveColumnSystem(const ProgramFolder& folder, const std::string& name,
                             const std::vector<Column>& columns,
                             const std::optional<ExtraFile>& extraFile = std::nullopt);

// The checks of "Unisci sistema" on the two chosen systems, in their order;
// nothing when the join may go ahead. Empty names are systems not chosen.
std::optional<Notice> joinRefusal(const std::string& first, const std::string& second,
                                  std::size_t firstCount, std::size_t secondCount);

// The question before a join when the current system has unsaved changes.
Notice joinSaveQuestion();

// The description of a joined system, written as qor/<name>.sss.
struct JoinRecord {
    std::string first, second;
    std::size_t firstCount = 0, secondCount = 0;
    int elimination = 0; // 0 none, else 5, 4, 3 or 2
    std::int64_t eliminated = 0;
    std::size_t resultCount = 0;
};
std::string formatJoinRecord(const JoinRecord& r);

} // namespace varnelo
