#pragma once

#include <Qt>

namespace varnelo {

// Roles shared by the kit's models. Views sort on SortRole so that numbers
// shown with Italian separators ("1.906.884") sort as numbers, not as text.
inline constexpr int SortRole = Qt::UserRole + 1;
// Value-cell grids: the cell's status (0 white, 1 blue, 2 red) and its recovery level 0..40.
inline constexpr int StatusRole = Qt::UserRole + 2;
inline constexpr int LevelRole = Qt::UserRole + 3;

} // namespace varnelo
