#pragma once

#include "checking/PrizeCategories.h"
#include "core/DrawLine.h"
#include "core/Notice.h"
#include "core/ProgramFolder.h"

#include <cstddef>
#include <string>
#include <vector>

namespace varnelo {

// The archive the check steps through: the newest 5000 draws of
// enal/archivio.cna, oldest first, shown by index 1..count.
inline constexpr std::size_t kArchiveViewDraws = 5000;

// A missing file, or one with bad lines, gives its notices and the draws
// that could be read.
std::vector<Draw> loadArchiveView(const ProgramFolder& folder, std::vector<Notice>& notices);

enum class ArchiveStep { Previous, Next, First, Last };
// The index after a step; a step past either end keeps it. 0 for an empty view.
int stepArchive(int index, int count, ArchiveStep step);

// The draw's five numbers and its Numeroni (a field of 0 marks none).
Combination combinationOfDraw(const Draw& draw);

// "Archivio" and the index; "Del " and the draw's long date.
std::string archiveCaption(int index);
std::string archiveDateLabel(const Draw& draw);

} // namespace varnelo
