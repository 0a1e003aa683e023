#pragma once

#include "core/ColumnStore.h"
#include "core/Notice.h"
#include "core/Numbers.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnelo {

// The column view edits at most this many columns of a system.
inline constexpr std::int32_t kColumnViewLimit = 100000;

// Copies the system's columns into `view` for editing; a system over the
// limit is refused with its notice and `view` is left as it was.
std::optional<Notice> loadColumnView(const ColumnStore& system, ColumnStore& view);

// Whether `view` holds exactly the columns of `system`.
bool sameColumns(const ColumnStore& system, const ColumnStore& view);

// The column of the cells marked on the board, ascending: exactly five
// numbers of the game, else the notice that says what is wrong.
std::optional<Notice> columnOfMarks(const std::vector<int>& marked, Column& out);

// Adds the column after the last one; refused when the view is full.
std::optional<Notice> appendColumn(ColumnStore& view, const Column& column);

// Removes column i (1-based): the following ones move up by one.
void removeColumn(ColumnStore& view, std::int32_t i);

std::vector<Column> columnsOf(const ColumnStore& view);

// "Salvare le modifiche al sistema = NAME": asked before hand-made changes
// turn a system developed from numbers and conditions into a column-defined
// one, and when the view closes with changes not saved (`canCancel`).
Notice keepChangesQuestion(const std::string& name, bool canCancel);
// Said after the columns were saved as a column-defined system.
Notice savedAsColumnsNotice(const std::string& name);

} // namespace varnelo
