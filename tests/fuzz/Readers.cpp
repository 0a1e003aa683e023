// Every reader of the program's files, each fed an input as its file in a
// program folder of its own. Readers must answer with a notice, never crash.
#include "Readers.h"

#include "conditions/AndOrFilter.h"
#include "conditions/CarFile.h"
#include "conditions/Picchetto.h"
#include "conditions/QuadroImports.h"
#include "conditions/SumQuadro.h"
#include "core/Archive.h"
#include "core/ColumnText.h"
#include "core/ColumnsFile.h"
#include "core/SettingsFiles.h"
#include "core/StatisticsSelection.h"
#include "core/TextColumns.h"
#include "reduced/PersonalTable.h"
#include "reduced/RidStat.h"
#include "system/SystemFile.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace varnelo::fuzz {

namespace {

// Goes with the process, so that a replay leaves nothing in the temporary folder.
struct OwnFolder {
    ProgramFolder folder;
    ~OwnFolder() {
        std::error_code ec;
        fs::remove_all(folder.root(), ec);
    }
};

const ProgramFolder& folder() {
    static const OwnFolder f{[] {
        const fs::path root =
            fs::temp_directory_path() / ("varnelo-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(root / "enal");
        fs::create_directories(root / "qor");
        return ProgramFolder(root);
    }()};
    return f.folder;
}

fs::path put(const std::string& relative, std::string_view bytes) {
    const fs::path p = folder().path(relative);
    std::ofstream(p, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return p;
}

ColumnStore& store() {
    static const auto s = std::make_unique<ColumnStore>();
    return *s;
}

// The settings files of enal/ read at start-up; the first byte of the input
// picks the one it stands for.
const char* const kSettingsFiles[] = {"enal/varie.csv",     "enal/quadri.csv",
                                      "enal/stampante.csv", "enal/couscit2.txt",
                                      "enal/cedolina.txt",  "enal/Ricerca.txt"};

struct Reader {
    const char* name;
    std::function<void(std::string_view)> read;
};

const Reader kReaders[] = {
    {"archivio",
     [](std::string_view in) {
         ArchiveContents a;
         std::string error;
         readArchive(put("enal/archivio.cna", in), kMaxArchiveLines, a, error);
     }},
    {"sistema",
     [](std::string_view in) {
         std::string text, error;
         if (!readSystemSettingsFile(put("qor/f.sse", in), text, error))
             return;
         for (auto layout : {SettingsLayout::Current, SettingsLayout::PreviousVersion}) {
             SystemSettings s;
             if (parseSystemSettings(text, s, layout) == SettingsFileState::Read)
                 formatSystemSettings(s, true);
         }
     }},
    {"colonne",
     [](std::string_view in) {
         put("qor/f.cna", in);
         Progress progress;
         loadColumns(folder(), "f", 40, 40, store(), progress, ColumnsSeal{40, 12345});
     }},
    {"impostazioni",
     [](std::string_view in) {
         if (in.empty())
             return;
         const std::size_t pick = static_cast<unsigned char>(in[0]) % std::size(kSettingsFiles);
         put(kSettingsFiles[pick], in.substr(1));
         SettingsFiles files;
         loadSettingsFiles(folder(), files);
         loadSearchSettings(folder());
         fs::remove(folder().path(kSettingsFiles[pick]));
     }},
    {"picchetto",
     [](std::string_view in) {
         PicchettoTable t;
         std::string error;
         parsePicchettoFile(in, t, error);
     }},
    {"quadro",
     [](std::string_view in) {
         SumQuadro q;
         bool active = false;
         std::string error;
         parseSumQuadroFile(in, q, active, error);
         std::vector<ListColumn> columns;
         readTextFilterColumns(put("qor/filtro.txt", in), columns);
     }},
    {"andor",
     [](std::string_view in) {
         AndOrSet s;
         std::string error;
         parseAndOrFile(in, s, error);
     }},
    {"car",
     [](std::string_view in) {
         CarFile f;
         std::string error;
         parseCarFile(in, f, error);
         std::vector<ListColumn> columns;
         parseCacFile(in, columns, error);
     }},
    {"ridotto",
     [](std::string_view in) {
         PersonalTable t;
         parsePersonalTable(in, "f.rid", t);
     }},
    {"ridstat",
     [](std::string_view in) {
         std::vector<std::string> lines;
         std::string error;
         const fs::path p = put("enal/RidStat.txt", in);
         for (const char* code : {"0", "10-5-2", "R1"})
             if (readRidStatRecord(p, code, lines, error))
                 for (const auto& line : lines)
                     ridStatCells(line);
     }},
    {"testo",
     [](std::string_view in) {
         store().clear();
         Selection selection;
         SystemOptions options;
         Progress progress;
         importColumns(put("qor/colonne.txt", in), store(), selection, options, progress);
     }},
    {"metriche",
     [](std::string_view in) {
         std::string line, error;
         Column c{};
         std::size_t from = 0;
         while (from <= in.size()) {
             const std::size_t end = std::min(in.find('\n', from), in.size());
             parseColumn(in.substr(from, end - from), c, error);
             from = end + 1;
         }
     }},
};

} // namespace

bool feed(std::string_view target, const std::uint8_t* data, std::size_t size) {
    for (const Reader& r : kReaders)
        if (target == r.name) {
            r.read(std::string_view(reinterpret_cast<const char*>(data), size));
            return true;
        }
    return false;
}

} // namespace varnelo::fuzz
