#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace varnelo {

// The first line of enal/versione.cgg: the newest version of the program as
// numbers joined by dots ("0.2" or "1.0.3"), then, after a blank, an
// optional note for the player ("0.2 Nuove statistiche").
struct VersionInfo {
    std::vector<int> parts;
    std::string version; // as written
    std::string note;
};

// False with an Italian reason when the first line is not such a version.
bool parseVersionFile(std::string_view text, VersionInfo& info, std::string& reason);

// Negative, zero or positive as a is older, the same or newer than b;
// missing parts count as 0.
int compareVersions(const std::vector<int>& a, const std::vector<int>& b);

// The lines of the report: "Controllo aggiornamento programma OK." and
// what it found, or "... non disponibile." and why.
std::vector<std::string> versionReport(std::string_view fileText, std::string_view running);
// The report of a version file that could not be fetched.
std::vector<std::string> versionUnavailable(const std::string& reason);

} // namespace varnelo
