#include "core/StatisticsSelection.h"

#include "core/SettingsLines.h"

#include <algorithm>
#include <cctype>

namespace fs = std::filesystem;

namespace varnelo {

namespace {

constexpr std::size_t kSearchLines = 12 + 14 + 7 + 2 + 2;

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool readMaster(const ProgramFolder& folder, ArchiveContents& archive, SelectionOutcome& out) {
    std::string error;
    if (!readArchive(folder.path("enal/archivio.cna"), kMaxArchiveLines, archive, error)) {
        out.notices.push_back(archiveErrorNotice(error));
        return false;
    }
    if (!archive.problems.empty())
        out.notices.push_back(archiveProblemsNotice("enal/archivio.cna", archive.problems));
    return true;
}

} // namespace

SearchSettings loadSearchSettings(const ProgramFolder& folder) {
    SearchSettings s;
    const SettingsLines in(folder.path("enal/Ricerca.txt"), kSearchLines);
    std::size_t at = 0;
    for (auto& m : s.months)
        m = in.flag(at++, m);
    for (auto& p : s.positions)
        p = in.flag(at++, p);
    for (auto& w : s.weekdays)
        w = in.flag(at++, w);
    for (auto& e : s.examine)
        e = in.flag(at++, e != 0) ? 1 : 0;
    s.first = static_cast<std::int32_t>(in.integer(at++, s.first, 1, kMaxArchiveLines));
    s.last = static_cast<std::int32_t>(in.integer(at++, s.last, 0, kMaxArchiveLines));
    return s;
}

bool saveSearchSettings(const ProgramFolder& folder, const SearchSettings& s, std::string& error) {
    std::vector<std::string> lines;
    for (bool m : s.months)
        lines.push_back(m ? "1" : "0");
    for (bool p : s.positions)
        lines.push_back(p ? "1" : "0");
    for (bool w : s.weekdays)
        lines.push_back(w ? "1" : "0");
    for (int e : s.examine)
        lines.push_back(std::to_string(e));
    lines.push_back(std::to_string(s.first));
    lines.push_back(std::to_string(s.last));
    return writeSettingsLines(folder.path("enal/Ricerca.txt"), lines, error);
}

std::vector<Draw> selectDraws(const std::vector<Draw>& archive, const SearchSettings& s) {
    std::vector<Draw> out;
    int previousMonth = 0;
    int position = 0;
    std::int64_t i = 0;
    for (const Draw& d : archive) {
        ++i;
        if (i > s.last)
            break;
        if (i < s.first)
            continue;
        // The position within the month counts every examined draw, also
        // those the later tests leave out.
        if (d.month != previousMonth) {
            position = 1;
            previousMonth = d.month;
        } else {
            ++position;
        }
        if (position >= 1 && position <= 14 && !s.positions[static_cast<std::size_t>(position - 1)])
            continue;
        if (!s.weekdays[static_cast<std::size_t>(d.weekday() - 1)])
            continue;
        if (!s.months[static_cast<std::size_t>(d.month - 1)])
            continue;
        out.push_back(d);
    }
    return out;
}

SelectionOutcome countStatisticsSelection(const ProgramFolder& folder, const SearchSettings& s) {
    SelectionOutcome out;
    ArchiveContents archive;
    if (!readMaster(folder, archive, out))
        return out;
    out.count = static_cast<std::int32_t>(selectDraws(archive.draws, s).size());
    out.ok = true;
    return out;
}

SelectionOutcome buildStatisticsSelection(const ProgramFolder& folder, const SearchSettings& s) {
    SelectionOutcome out;
    ArchiveContents archive;
    if (!readMaster(folder, archive, out))
        return out;
    const auto selected = selectDraws(archive.draws, s);
    std::string error;
    if (!writeArchive(folder.path("enal/archivio2.cna"), selected, error)) {
        out.notices.push_back(archiveErrorNotice(error));
        return out;
    }
    out.count = static_cast<std::int32_t>(selected.size());
    out.ok = true;
    return out;
}

std::string selectionCountText(std::int32_t count) {
    return "Concorsi in Gioco = " + std::to_string(count);
}

std::string rangeLabel(const Draw& draw) {
    return "Anno " + draw.date();
}

std::vector<std::string> personalArchives(const ProgramFolder& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder.path("enal"), ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!it->is_regular_file(ec) || name.size() < 4 ||
            !sameIgnoringCase(std::string_view(name).substr(name.size() - 4), ".cna") ||
            sameIgnoringCase(name, "archivio2.cna"))
            continue;
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

SelectionOutcome usePersonalArchive(const ProgramFolder& folder, const std::string& fileName) {
    SelectionOutcome out;
    if (fileName.find('/') != std::string::npos || fileName.find('\\') != std::string::npos ||
        sameIgnoringCase(fileName, "archivio2.cna")) {
        out.notices.push_back(archiveErrorNotice("Nome di archivio non valido: " + fileName + "."));
        return out;
    }
    ArchiveContents archive;
    std::string error;
    if (!readArchive(folder.path("enal/" + fileName), kMaxArchiveLines, archive, error)) {
        out.notices.push_back(archiveErrorNotice(error));
        return out;
    }
    if (!archive.problems.empty())
        out.notices.push_back(archiveProblemsNotice("enal/" + fileName, archive.problems));
    if (!writeArchive(folder.path("enal/archivio2.cna"), archive.draws, error)) {
        out.notices.push_back(archiveErrorNotice(error));
        return out;
    }
    out.count = static_cast<std::int32_t>(archive.draws.size());
    out.ok = true;
    out.notices.push_back(Notice{"Archivio Cambiato:",
                                 {"Archivio cambiato.", "da questo momento il programma usera ",
                                  "questo archivio per fare Statistiche =  " + fileName}});
    return out;
}

} // namespace varnelo
