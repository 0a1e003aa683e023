#include "checking/ArchiveView.h"

#include "core/Archive.h"

#include <algorithm>

namespace varnelo {

std::vector<Draw> loadArchiveView(const ProgramFolder& folder, std::vector<Notice>& notices) {
    ArchiveContents contents;
    std::string error;
    if (!readArchive(folder.path("enal/archivio.cna"), kMaxArchiveLines, contents, error)) {
        notices.push_back(archiveErrorNotice(error));
        return {};
    }
    if (!contents.problems.empty())
        notices.push_back(archiveProblemsNotice("archivio.cna", contents.problems));
    const std::size_t skip =
        contents.draws.size() > kArchiveViewDraws ? contents.draws.size() - kArchiveViewDraws : 0;
    return {contents.draws.begin() + static_cast<std::ptrdiff_t>(skip), contents.draws.end()};
}

int stepArchive(int index, int count, ArchiveStep step) {
    if (count <= 0)
        return 0;
    index = std::clamp(index, 1, count);
    switch (step) {
    case ArchiveStep::Previous:
        return index > 1 ? index - 1 : index;
    case ArchiveStep::Next:
        return index < count ? index + 1 : index;
    case ArchiveStep::First:
        return 1;
    case ArchiveStep::Last:
        return count;
    }
    return index;
}

Combination combinationOfDraw(const Draw& draw) {
    Combination c;
    for (const auto n : draw.numbers)
        c.numbers[n] = true;
    for (const auto e : draw.numeroni)
        if (e > 0 && e <= kNumeroneSlots)
            c.numeroni[e] = true;
    return c;
}

std::string archiveCaption(int index) {
    return "Archivio " + std::to_string(index);
}

std::string archiveDateLabel(const Draw& draw) {
    return "Del " + italianLongDate(draw.day, draw.month, draw.year);
}

} // namespace varnelo
