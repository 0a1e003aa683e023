#include "archive/ArchiveUpdate.h"

#include "core/DrawLine.h"
#include "core/TextFile.h"

#include <algorithm>
#include <set>

namespace varnelo {

namespace {

constexpr std::size_t kKeyWidth = 18;

struct Entry {
    std::string_view line;
    Draw draw;
    std::size_t lineNumber = 0; // 1-based, in its own file
    bool fromBlock = false;
};

int dateKey(const Draw& d) {
    return d.year * 10000 + d.month * 100 + d.day;
}

std::string place(std::size_t lineNumber, bool fromBlock) {
    return "riga " + std::to_string(lineNumber) +
           (fromBlock ? " del blocco scaricato" : " dell'archivio");
}

bool parseAll(const std::vector<std::string_view>& lines, bool fromBlock, std::vector<Entry>& out,
              std::string& reason) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view text = trimBlanks(lines[i]);
        if (text.empty())
            continue;
        Entry e{text, {}, i + 1, fromBlock};
        std::string why;
        if (!parseDrawLine(text, e.draw, why)) {
            reason = "Non valida la " + place(i + 1, fromBlock) + ": " + why;
            return false;
        }
        out.push_back(e);
    }
    return true;
}

// The first draw whose date does not follow its predecessor's, described.
bool datesIncrease(const std::vector<const Entry*>& draws, std::string& reason) {
    for (std::size_t i = 1; i < draws.size(); ++i) {
        const Entry& e = *draws[i];
        const Entry& before = *draws[i - 1];
        if (dateKey(e.draw) <= dateKey(before.draw)) {
            reason = "Date non in ordine: l'estrazione del " + e.draw.date() + " (" +
                     place(e.lineNumber, e.fromBlock) + ") segue quella del " + before.draw.date() +
                     " (" + place(before.lineNumber, before.fromBlock) + ").";
            return false;
        }
    }
    return true;
}

ArchiveMerge refused(std::string reason) {
    ArchiveMerge m;
    m.reason = std::move(reason);
    return m;
}

} // namespace

std::string_view updateKey(std::string_view line) {
    return line.substr(0, std::min(line.size(), kKeyWidth));
}

bool checkArchiveLines(const std::vector<std::string_view>& lines, std::string& reason) {
    std::vector<Entry> archive;
    if (!parseAll(lines, false, archive, reason))
        return false;
    std::vector<const Entry*> draws;
    for (const Entry& e : archive)
        draws.push_back(&e);
    return datesIncrease(draws, reason);
}

ArchiveMerge mergeArchiveBlock(const std::vector<std::string_view>& local,
                               const std::vector<std::string_view>& block) {
    std::vector<Entry> archive;
    std::vector<Entry> downloaded;
    std::string reason;
    if (!parseAll(local, false, archive, reason))
        return refused(reason);
    if (archive.empty())
        return refused("Troppe colonne mancanti in Archivio");
    if (!parseAll(block, true, downloaded, reason))
        return refused(reason);
    if (downloaded.empty())
        return refused("Il blocco scaricato è vuoto.");

    const Entry& last = archive.back();
    const std::string_view key = updateKey(last.line);
    if (updateKey(downloaded.back().line) == key &&
        dateKey(downloaded.back().draw) == dateKey(last.draw)) {
        ArchiveMerge m;
        m.kind = UpdateKind::AlreadyCurrent;
        return m;
    }

    // Where the block joins: at its first draw when the archive has that
    // date, else right after the archive's last draw inside the block.
    std::size_t keep = 0;
    std::size_t from = 0;
    const int firstDate = dateKey(downloaded.front().draw);
    const auto joined = std::find_if(archive.begin(), archive.end(),
                                     [&](const Entry& e) { return dateKey(e.draw) == firstDate; });
    if (joined != archive.end()) {
        keep = static_cast<std::size_t>(joined - archive.begin());
    } else {
        const auto at = std::find_if(downloaded.rbegin(), downloaded.rend(), [&](const Entry& e) {
            return updateKey(e.line) == key && dateKey(e.draw) == dateKey(last.draw);
        });
        if (at == downloaded.rend())
            return refused("Il blocco scaricato non si collega all'archivio: manca l'estrazione "
                           "del " +
                           last.draw.date() + ".");
        keep = archive.size();
        from = static_cast<std::size_t>(downloaded.rend() - at);
    }

    // The block replaces the local draws from the join on: each of them must
    // be in it, or the update would lose a draw.
    std::set<int> blockDates;
    for (std::size_t i = from; i < downloaded.size(); ++i)
        blockDates.insert(dateKey(downloaded[i].draw));
    for (std::size_t i = keep; i < archive.size(); ++i)
        if (!blockDates.contains(dateKey(archive[i].draw)))
            return refused("Il blocco scaricato non contiene l'estrazione del " +
                           archive[i].draw.date() + " dell'archivio.");

    std::vector<const Entry*> result;
    for (std::size_t i = 0; i < keep; ++i)
        result.push_back(&archive[i]);
    for (std::size_t i = from; i < downloaded.size(); ++i)
        result.push_back(&downloaded[i]);
    if (!datesIncrease(result, reason))
        return refused(reason);

    ArchiveMerge m;
    m.kind = UpdateKind::Updated;
    for (const Entry* e : result) {
        m.lines.emplace_back(e->line);
        if (dateKey(e->draw) > dateKey(last.draw))
            ++m.newDraws;
    }
    return m;
}

} // namespace varnelo
