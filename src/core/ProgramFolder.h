#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace varnelo {

// The user's program folder (enal/, qor/, ...). Every path of the program is
// built here; the working directory is never changed.
class ProgramFolder {
public:
    explicit ProgramFolder(std::filesystem::path root) : root_(std::move(root)) {}

    const std::filesystem::path& root() const { return root_; }

    // A relative name such as "enal/archivio.cna" or "enal\\Cedolina.txt".
    // An existing file is found even when its case differs; otherwise the
    // name is returned as written, for a new file.
    std::filesystem::path path(std::string_view relative) const;

    // The sub-folders every program folder has.
    static const std::vector<std::string>& subfolders();

    // Copies the shipped tree into an empty or missing folder and creates any
    // missing sub-folder. Returns false with an Italian message on failure.
    bool ensureSeeded(const std::filesystem::path& shippedData, std::string& error) const;

private:
    std::filesystem::path root_;
};

// The per-user default: $XDG_DATA_HOME/varnelo, else ~/.local/share/varnelo.
std::filesystem::path defaultProgramFolder();

// The program's own read-only data: <exeDir>/../share/varnelo when installed,
// the source tree's data/ when run from a build.
std::filesystem::path shippedDataFolder(const std::filesystem::path& executableDir);

// Where the covering-table catalogue lives inside the shipped data.
std::filesystem::path catalogueFolder(const std::filesystem::path& shippedData);

// Directory of the running executable (from /proc/self/exe).
std::filesystem::path executableDir();

} // namespace varnelo
