#include "system/SavedSystemsCheck.h"

#include "checking/SystemCheck.h"
#include "core/TextFile.h"
#include "system/SystemFile.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace varnelo {

namespace {

std::vector<std::string> columnFileNames(const ProgramFolder& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder.path("qor"), ec), end; !ec && it != end;
         it.increment(ec)) {
        std::string ext = it->path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        if (ext == ".cna" && it->is_regular_file(ec))
            names.push_back(it->path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool readSettings(const ProgramFolder& folder, const std::string& name, SystemSettings& s,
                  std::string& problem) {
    std::string text;
    if (!readSystemSettingsFile(folder.path("qor/" + name + ".sse"), text, problem))
        return false;
    if (parseSystemSettings(text, s, SettingsLayout::PreviousVersion) != SettingsFileState::Read) {
        problem = "impostazioni " + name + ".sse vuote o danneggiate";
        return false;
    }
    return true;
}

} // namespace

SavedSystemsCheck checkSavedSystems(const ProgramFolder& folder, const Combination& combination,
                                    Progress& progress) {
    SavedSystemsCheck out;
    const std::vector<std::string> names = columnFileNames(folder);
    progress.total.store(static_cast<std::int64_t>(names.size()));
    for (std::size_t i = 0; i < names.size() && !out.cancelled; ++i) {
        if (out.rows.size() == static_cast<std::size_t>(kWinsGridRows)) {
            out.tooMany = true;
            break;
        }
        SavedSystemResult row;
        row.name = names[i];
        SystemSettings s;
        if (readSettings(folder, row.name, s, row.problem))
            checkColumnsFile(folder.path("qor/" + row.name + ".cna"), s.counts.total, combination,
                             betSplit(s.selection, combination), progress, row.tally, out.cancelled,
                             row.problem);
        out.rows.push_back(std::move(row));
        progress.report(static_cast<std::int64_t>(i + 1));
    }
    return out;
}

} // namespace varnelo
