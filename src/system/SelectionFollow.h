#pragma once

#include "core/Notice.h"
#include "core/ProgramFolder.h"
#include "core/StatisticsSelection.h"

#include <vector>

namespace varnelo {

// The statistics selection that was built from the archive with the saved
// settings follows the archive when new draws come in, so that the statistics
// count and the delays see them. A personal archive in use, or a selection
// that no longer matches the settings, is the player's choice and stays.
class SelectionFollow {
  public:
    // Looks at the archive and the selection before the archive changes.
    explicit SelectionFollow(const ProgramFolder& folder);

    // After the archive changed: rebuilds enal/archivio2.cna when it
    // followed; a range that reached the last draw reaches the new last one.
    std::vector<Notice> archiveChanged() const;

  private:
    const ProgramFolder& folder_;
    SearchSettings settings_;
    bool follows_ = false;
    bool rangeToEnd_ = false;
};

} // namespace varnelo
