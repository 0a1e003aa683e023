#include "core/Delays.h"

#include "core/Archive.h"

namespace varnelo {

NumberDelays currentDelays(const std::vector<Draw>& draws) {
    NumberDelays delay{};
    for (const Draw& d : draws) {
        for (int n = 1; n <= kMaxNumber; ++n)
            ++delay[static_cast<std::size_t>(n)];
        for (auto n : d.numbers)
            delay[n] = 0;
    }
    return delay;
}

std::vector<Notice> refreshArchiveFigures(const ProgramFolder& folder, ArchiveFigures& figures) {
    std::vector<Notice> notices;
    ArchiveContents selection;
    std::string error;
    if (!readArchive(folder.path("enal/archivio2.cna"), kMaxArchiveLines, selection, error)) {
        notices.push_back(archiveErrorNotice(error));
        return notices;
    }
    if (!selection.problems.empty())
        notices.push_back(archiveProblemsNotice("enal/archivio2.cna", selection.problems));
    figures.statisticsCount = static_cast<std::int32_t>(selection.draws.size());
    figures.delays = currentDelays(selection.draws);
    figures.selection = std::move(selection.draws);
    return notices;
}

} // namespace varnelo
