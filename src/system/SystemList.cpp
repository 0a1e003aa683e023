#include "system/SystemList.h"

#include "core/TextFile.h"
#include "system/SystemName.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace varnelo {

std::vector<SystemEntry> listSystems(const ProgramFolder& folder) {
    std::vector<SystemEntry> out;
    std::error_code ec;
    for (fs::directory_iterator it(folder.path("qor"), ec), end; !ec && it != end;
         it.increment(ec)) {
        const fs::path p = it->path();
        std::string ext = p.extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        if (ext != ".sse" || !it->is_regular_file(ec))
            continue;
        SystemEntry e;
        e.name = p.stem().string();
        std::string text, error;
        SystemSettings s;
        if (!readSystemSettingsFile(p, text, error) ||
            parseSystemSettings(text, s, SettingsLayout::PreviousVersion) ==
                SettingsFileState::Damaged) {
            e.damaged = true;
            e.description = "Sistema Sconosciuto";
        } else {
            e.counts = s.counts;
            e.kindCode = s.options.kindCode;
            e.developmentLevel = s.options.developmentLevel;
            e.description = !s.options.description.empty() ? s.options.description
                            : s.columnsOnly || s.options.kindCode == kImportedKindCode
                                ? "Sistema Colonnare"
                                : "Sistema Sconosciuto";
        }
        e.written = it->last_write_time(ec);
        out.push_back(std::move(e));
    }
    std::sort(out.begin(), out.end(),
              [](const SystemEntry& a, const SystemEntry& b) { return a.name < b.name; });
    return out;
}

int preferredEntry(const std::vector<SystemEntry>& entries, const std::string& current) {
    int newest = -1;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const SystemEntry& e = entries[static_cast<std::size_t>(i)];
        if (e.name == current)
            return i;
        if (!isReservedSystemName(e.name) &&
            (newest < 0 || e.written > entries[static_cast<std::size_t>(newest)].written))
            newest = i;
    }
    return newest >= 0 ? newest : entries.empty() ? -1 : 0;
}

bool deleteSystem(const ProgramFolder& folder, const std::string& name, std::string& error) {
    if (isReservedSystemName(name)) {
        error = "Il sistema " + name +
                " non si elimina: è la copia dell'archivio delle "
                "estrazioni e viene rifatto a ogni aggiornamento.";
        return false;
    }
    std::error_code ec;
    for (const char* ext : {".sse", ".cna"}) {
        const fs::path p = folder.path("qor/" + name + ext);
        if (fs::exists(p, ec) && !fs::remove(p, ec)) {
            error = "Impossibile eliminare " + p.filename().string() + ": " + ec.message();
            return false;
        }
    }
    return true;
}

} // namespace varnelo
