#include "system/SelectionFollow.h"

#include "core/Archive.h"

#include <algorithm>
#include <filesystem>

namespace varnelo {

namespace {

bool sameDraws(const std::vector<Draw>& a, const std::vector<Draw>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const Draw& x, const Draw& y) { return x.text() == y.text(); });
}

} // namespace

SelectionFollow::SelectionFollow(const ProgramFolder& folder)
    : folder_(folder), settings_(loadSearchSettings(folder)) {
    ArchiveContents archive;
    std::string error;
    if (!readArchive(folder.path("enal/archivio.cna"), kMaxArchiveLines, archive, error))
        return;
    rangeToEnd_ = settings_.last >= static_cast<std::int64_t>(archive.draws.size());
    const auto selectionPath = folder.path("enal/archivio2.cna");
    std::error_code ec;
    if (!std::filesystem::exists(selectionPath, ec)) {
        follows_ = true;
        return;
    }
    ArchiveContents selection;
    follows_ = readArchive(selectionPath, kMaxArchiveLines, selection, error) &&
               sameDraws(selection.draws, selectDraws(archive.draws, settings_));
}

std::vector<Notice> SelectionFollow::archiveChanged() const {
    if (!follows_)
        return {};
    SearchSettings settings = settings_;
    std::string error;
    if (rangeToEnd_ && settings.last != SearchSettings{}.last) {
        settings.last = SearchSettings{}.last;
        if (!saveSearchSettings(folder_, settings, error))
            return {archiveErrorNotice(error)};
    }
    return buildStatisticsSelection(folder_, settings).notices;
}

} // namespace varnelo
