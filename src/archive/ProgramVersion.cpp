#include "archive/ProgramVersion.h"

#include "core/TextFile.h"

namespace varnelo {

namespace {

bool parseParts(std::string_view text, std::vector<int>& parts) {
    parts.clear();
    std::size_t at = 0;
    while (true) {
        const std::size_t dot = std::min(text.find('.', at), text.size());
        long long v = 0;
        const std::string_view part = text.substr(at, dot - at);
        if (part.empty() || part.size() > 6 || part.find_first_not_of("0123456789") != part.npos ||
            !parseIntegerText(part, v))
            return false;
        parts.push_back(static_cast<int>(v));
        if (dot == text.size())
            return true;
        at = dot + 1;
    }
}

} // namespace

bool parseVersionFile(std::string_view text, VersionInfo& info, std::string& reason) {
    const auto lines = splitLines(text);
    const std::string_view first = lines.empty() ? std::string_view() : trimBlanks(lines[0]);
    const std::size_t blank = std::min(first.find_first_of(" \t"), first.size());
    info.version = first.substr(0, blank);
    info.note = trimBlanks(first.substr(blank));
    if (!parseParts(info.version, info.parts)) {
        reason =
            "Il file della versione non è valido: \"" + std::string(first.substr(0, 40)) + "\".";
        return false;
    }
    return true;
}

int compareVersions(const std::vector<int>& a, const std::vector<int>& b) {
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const int x = i < a.size() ? a[i] : 0;
        const int y = i < b.size() ? b[i] : 0;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

std::vector<std::string> versionUnavailable(const std::string& reason) {
    return {"Controllo aggiornamento programma non disponibile.", reason};
}

std::vector<std::string> versionReport(std::string_view fileText, std::string_view running) {
    VersionInfo latest;
    VersionInfo current;
    std::string reason;
    if (!parseVersionFile(fileText, latest, reason))
        return versionUnavailable(reason);
    if (!parseVersionFile(running, current, reason))
        return versionUnavailable(reason);
    std::vector<std::string> report{"Controllo aggiornamento programma OK."};
    if (compareVersions(latest.parts, current.parts) > 0) {
        report.push_back("È disponibile la versione " + latest.version + " (in uso la " +
                         current.version + ").");
        if (!latest.note.empty())
            report.push_back(latest.note);
    } else {
        report.push_back("Il programma è aggiornato (versione " + current.version + ").");
    }
    return report;
}

} // namespace varnelo
