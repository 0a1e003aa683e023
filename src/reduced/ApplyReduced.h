#pragma once

#include "core/Notice.h"
#include "core/Numbers.h"
#include "reduced/Catalogue.h"
#include "reduced/PersonalTable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnelo {

// The code that stands for "no table: develop every column".
inline constexpr std::string_view kFullDevelopmentCode = "R0N00F0G00V00";

// The code of the ordinary table for `n` free and `fixed` fixed numbers
// guaranteeing `g` hits when five drawn numbers fall among them, e.g.
// "R5N06F0G35V01"; the full development's code when a table would make no
// sense (fewer than 6 numbers, or a guarantee the fixed numbers already give).
std::string reducedCode(int n, int fixed, int g);

// The code of an orthogonal option 1..9: options 1..3 ("g if g") are served
// by ordinary tables ("G45", "G45", "G35", without the checks above), the
// others by an "O5" code of the orthogonal development. Empty for another option.
std::string orthogonalCode(int n, int fixed, int option);

// The "O5" code of the stored orthogonal table for g hits if c drawn.
std::string orthogonalTableCode(int n, int fixed, int g, int c);

// "Ridotto non compatibile:" for a code no table answers.
Notice incompatibleNotice();

struct AppliedReduced {
    std::vector<Column> columns; // the numbers of each column, ascending
    std::optional<Notice> notice;
};

// The rows of `code` applied to the player's numbers (each list ascending,
// as the selection keeps them): the fixed numbers take positions 1..F in
// front of every row, the free ones the positions after them. A position
// that names no number ("Ridotto manomesso:") or no table for the code
// leaves `columns` empty with the notice.
AppliedReduced applyReduced(const Catalogue& catalogue, std::string_view code,
                            const std::vector<int>& fixed, const std::vector<int>& free);

// Columns of five positions over the player's numbers: positions 1..F are
// the fixed numbers, F + 1.. the free ones, each list ascending. A position
// that names no number refuses the whole table ("Ridotto manomesso:" with
// `name`), leaving `columns` empty.
AppliedReduced applyPositions(const std::vector<Column>& positions, const std::vector<int>& fixed,
                              const std::vector<int>& free, std::string_view name);

// A personal table by the same rule; a table reaching beyond the player's
// numbers (or without columns) is refused with "Ridotto non compatibile:".
AppliedReduced applyPersonalTable(const PersonalTable& table, const std::string& name,
                                  const std::vector<int>& fixed, const std::vector<int>& free);

} // namespace varnelo
