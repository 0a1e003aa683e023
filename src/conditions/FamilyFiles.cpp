#include "conditions/FamilyFiles.h"

#include "conditions/ComparisonDraws.h"

#include "core/AtomicWriter.h"
#include "core/TextFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace varnelo {

namespace {

// Condition files are small: a quadro of 1000 filter columns is a few tens of kilobytes.
constexpr std::size_t kMaxFileBytes = 8u << 20;

Notice fileNotice(const std::string& line) {
    return Notice{"Avviso:", {line}};
}

// Names typed by the user become file names inside their folder only.
bool usableName(const std::string& name) {
    return !name.empty() && name.size() <= 120 && name.front() != '.' &&
           name.find_first_of("/\\:*?\"<>|") == std::string::npos &&
           std::none_of(name.begin(), name.end(),
                        [](char ch) { return static_cast<unsigned char>(ch) < 32; });
}

std::optional<Notice> badName(const std::string& name) {
    if (usableName(name))
        return std::nullopt;
    return Notice{"Avviso:", {"Nome non valido: " + name}};
}

std::optional<Notice> write(const ProgramFolder& folder, const std::string& relative,
                            const std::string& text) {
    const std::filesystem::path target = folder.path(relative);
    std::error_code ec;
    std::filesystem::create_directories(target.parent_path(), ec);
    std::string error;
    if (!writeFileAtomically(target, text, error))
        return fileNotice(error);
    return std::nullopt;
}

// The decoded text of a file, or the notice of why it cannot be read.
std::optional<Notice> read(const ProgramFolder& folder, const std::string& relative,
                           std::string& text) {
    std::string error;
    if (!readTextFile(folder.path(relative), kMaxFileBytes, text, error))
        return fileNotice(error);
    return std::nullopt;
}

// Parses into a copy, so that a refused file changes nothing.
template <typename T, typename Parse>
std::optional<Notice> readInto(const ProgramFolder& folder, const std::string& relative, T& out,
                               Parse parse) {
    std::string text;
    if (auto n = read(folder, relative, text))
        return n;
    T copy = out;
    std::string error;
    if (!parse(text, copy, error))
        return fileNotice(error + " (" + relative + ")");
    out = std::move(copy);
    return std::nullopt;
}

std::optional<Notice> readSums(const ProgramFolder& folder, const std::string& relative,
                               SumQuadro& q, bool& active) {
    std::pair<SumQuadro, bool> both{q, active};
    auto n = readInto(folder, relative, both,
                      [](const std::string& text, std::pair<SumQuadro, bool>& p, std::string& e) {
                          return parseSumQuadroFile(text, p.first, p.second, e);
                      });
    if (!n) {
        q = std::move(both.first);
        active = both.second;
    }
    return n;
}

// `picchetto.txt` and `salvpicchetto.txt` share the folder of the named quadri.
bool programSumsFile(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return name == "picchetto" || name == "salvpicchetto";
}

std::string named(const std::string& folder, const std::string& name, const char* extension) {
    return folder + "/" + name + extension;
}

} // namespace

std::optional<Notice> loadPicchetti(const ProgramFolder& folder, PicchettoTable& t) {
    if (!std::filesystem::exists(folder.path("picchetto/picchetto.txt")))
        return std::nullopt;
    return readInto(folder, "picchetto/picchetto.txt", t, parsePicchettoFile);
}

std::optional<Notice> savePicchetti(const ProgramFolder& folder, const PicchettoTable& t) {
    return write(folder, "picchetto/picchetto.txt", formatPicchettoFile(t));
}

std::optional<Notice> saveConfirmedSums(const ProgramFolder& folder, const SumQuadro& q,
                                        bool active) {
    return write(folder, "picchetto/salvpicchetto.txt", formatSumQuadroFile(q, active));
}

std::optional<Notice> loadConfirmedSums(const ProgramFolder& folder, SumQuadro& q, bool& active) {
    return readSums(folder, "picchetto/salvpicchetto.txt", q, active);
}

bool namedSumsExist(const ProgramFolder& folder, const std::string& name) {
    return usableName(name) &&
           std::filesystem::exists(folder.path(named("picchetto", name, ".txt")));
}

std::optional<Notice> saveNamedSums(const ProgramFolder& folder, const std::string& name,
                                    const SumQuadro& q, bool active) {
    if (auto n = badName(name))
        return n;
    if (programSumsFile(name))
        return Notice{"Avviso:", {"Il nome " + name + " e riservato al programma."}};
    if (auto n = checkSumQuadroToSave(q))
        return n;
    return write(folder, named("picchetto", name, ".txt"), formatSumQuadroFile(q, active));
}

std::optional<Notice> loadNamedSums(const ProgramFolder& folder, const std::string& name,
                                    SumQuadro& q, bool& active) {
    if (auto n = badName(name))
        return n;
    return readSums(folder, named("picchetto", name, ".txt"), q, active);
}

std::vector<std::string> namedSumQuadri(const ProgramFolder& folder) {
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder.path("picchetto"), ec))
        if (e.is_regular_file(ec) && e.path().extension() == ".txt" &&
            !programSumsFile(e.path().stem().string()))
            out.push_back(e.path().stem().string());
    std::sort(out.begin(), out.end());
    return out;
}

std::optional<Notice> loadComparisonDraws(const ProgramFolder& folder, int& k) {
    const std::string relative = "enal/DistInVert.txt";
    if (!std::filesystem::exists(folder.path(relative)))
        return write(folder, relative, "");
    std::string text;
    if (auto n = read(folder, relative, text))
        return n;
    if (!isComparisonDrawsText(text))
        return Notice{"Avviso:",
                      {"Il file " + folder.path(relative).string() +
                           " non contiene un numero di estrazioni valido.",
                       "Resta in uso il numero di prima: " + std::to_string(k) + "."}};
    k = parseComparisonDraws(text, k);
    return std::nullopt;
}

std::optional<Notice> saveComparisonDraws(const ProgramFolder& folder, int k) {
    return write(folder, "enal/DistInVert.txt", formatComparisonDraws(k));
}

std::optional<Notice> loadAndOr(const ProgramFolder& folder, AndOrSet& s) {
    return readInto(folder, "andor/AndOr.txt", s, parseAndOrFile);
}

std::optional<Notice> saveAndOr(const ProgramFolder& folder, const AndOrSet& s) {
    return write(folder, "andor/AndOr.txt", formatAndOrFile(s));
}

bool filterFileExists(const ProgramFolder& folder, const std::string& name, const char* extension) {
    return usableName(name) &&
           std::filesystem::exists(folder.path(named("andor", name, extension)));
}

std::optional<Notice> saveCar(const ProgramFolder& folder, const std::string& name,
                              const CarFile& f) {
    if (auto n = badName(name))
        return n;
    return write(folder, named("andor", name, ".car"), formatCarFile(f));
}

std::optional<Notice> loadCar(const ProgramFolder& folder, const std::string& name, CarFile& f) {
    if (auto n = badName(name))
        return n;
    return readInto(folder, named("andor", name, ".car"), f, parseCarFile);
}

std::optional<Notice> saveCac(const ProgramFolder& folder, const std::string& name,
                              const std::vector<ListColumn>& columns) {
    if (auto n = badName(name))
        return n;
    return write(folder, named("andor", name, ".cac"), formatCacFile(columns));
}

std::optional<Notice> loadCac(const ProgramFolder& folder, const std::string& name,
                              std::vector<ListColumn>& columns) {
    if (auto n = badName(name))
        return n;
    return readInto(folder, named("andor", name, ".cac"), columns, parseCacFile);
}

std::vector<std::string> filterFiles(const ProgramFolder& folder, const char* extension) {
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder.path("andor"), ec))
        if (e.is_regular_file(ec) && e.path().extension() == extension)
            out.push_back(e.path().stem().string());
    std::sort(out.begin(), out.end());
    return out;
}

Notice replaceFileQuestion(const std::string& fileName, const std::string& name) {
    return Notice{
        "Avviso:",
        {"File gia esistente  = " + fileName, "Nome sistema = " + name, "Sostituire il file?"},
        kNoticeYesNo,
        true};
}

} // namespace varnelo
