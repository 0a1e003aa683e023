#include "core/ProgramFolder.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

namespace varnelo {

namespace {

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// Folders copied from other systems mix the case of names (Cedolina.txt, Immagini).
fs::path findComponent(const fs::path& dir, const std::string& name) {
    std::error_code ec;
    fs::path exact = dir / name;
    if (fs::exists(exact, ec))
        return exact;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        if (sameIgnoringCase(it->path().filename().string(), name))
            return it->path();
    return exact;
}

bool isEmptyOrMissing(const fs::path& dir) {
    std::error_code ec;
    if (!fs::exists(dir, ec))
        return true;
    return fs::is_directory(dir, ec) && fs::is_empty(dir, ec);
}

} // namespace

fs::path ProgramFolder::path(std::string_view relative) const {
    std::string rel(relative);
    std::replace(rel.begin(), rel.end(), '\\', '/');
    fs::path out = root_;
    std::size_t start = 0;
    while (start <= rel.size()) {
        std::size_t slash = rel.find('/', start);
        if (slash == std::string::npos)
            slash = rel.size();
        if (slash > start)
            out = findComponent(out, rel.substr(start, slash - start));
        start = slash + 1;
    }
    return out;
}

const std::vector<std::string>& ProgramFolder::subfolders() {
    static const std::vector<std::string> names = {"enal",     "qor",       "andor",
                                                   "ridotti",  "piramide",  "picchetto",
                                                   "giocate",  "immagini",  "midi"};
    return names;
}

bool ProgramFolder::ensureSeeded(const fs::path& shippedData, std::string& error) const {
    std::error_code ec;
    const bool seed = isEmptyOrMissing(root_);
    fs::create_directories(root_, ec);
    if (ec) {
        error = "Impossibile creare la cartella del programma " + root_.string() + ": " +
                ec.message();
        return false;
    }
    if (seed && fs::is_directory(shippedData, ec)) {
        for (const auto& name : subfolders()) {
            const fs::path from = shippedData / name;
            if (!fs::is_directory(from, ec))
                continue;
            fs::copy(from, root_ / name, fs::copy_options::recursive, ec);
            if (ec) {
                error = "Impossibile copiare i dati iniziali in " + root_.string() + ": " +
                        ec.message();
                return false;
            }
        }
        // Placeholders that keep empty folders in the source tree are not user files.
        for (const auto& name : subfolders())
            fs::remove(root_ / name / ".gitkeep", ec);
    }
    for (const auto& name : subfolders()) {
        if (fs::is_directory(path(name), ec))
            continue;
        fs::create_directories(root_ / name, ec);
        if (ec) {
            error = "Impossibile creare la cartella " + (root_ / name).string() + ": " +
                    ec.message();
            return false;
        }
    }
    return true;
}

fs::path defaultProgramFolder() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return fs::path(xdg) / "varnelo";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : ".") / ".local" / "share" / "varnelo";
}

fs::path shippedDataFolder(const fs::path& executableDir) {
    std::error_code ec;
    const fs::path installed = executableDir / ".." / "share" / "varnelo";
    if (fs::is_directory(installed / "enal", ec))
        return fs::weakly_canonical(installed, ec);
    const fs::path inTree = executableDir / ".." / ".." / "data";
    if (fs::is_directory(inTree / "enal", ec))
        return fs::weakly_canonical(inTree, ec);
    return fs::path(VARNELO_SOURCE_DATA_DIR);
}

fs::path catalogueFolder(const fs::path& shippedData) { return shippedData / "catalogo"; }

fs::path executableDir() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : exe.parent_path();
}

} // namespace varnelo
