#pragma once

#include "core/DrawLine.h"
#include "core/Notice.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace varnelo {

// Bounds of the walks over an archive file.
inline constexpr std::size_t kMaxArchiveLines = 1000000;
inline constexpr std::size_t kMaxCheckingLines = 100000;
// Room for the longest archive with generous trailing text on every line.
inline constexpr std::size_t kMaxArchiveBytes = 256u << 20;

struct ArchiveLineProblem {
    std::size_t line = 0; // 1-based line of the file
    std::string reason;
};

// The draws of an archive file, oldest first. A malformed line is never
// taken as a draw: it is listed with its line number. Blank lines are not
// draws either and are passed over quietly, so that the contest index of a
// draw is its place among the draws.
struct ArchiveContents {
    std::vector<Draw> draws;
    std::vector<std::size_t> drawLines; // 1-based line of each draw
    std::vector<ArchiveLineProblem> problems;
    std::string firstLine; // the first line as written, for the restore check
};

// Reads at most maxLines lines. False with an Italian message when the file
// cannot be read at all; malformed lines only fill `problems`.
bool readArchive(const std::filesystem::path& path, std::size_t maxLines, ArchiveContents& out,
                 std::string& error);

// Writes the draws as 28-character lines over the file, through a temporary
// file (`temporary` when given).
bool writeArchive(const std::filesystem::path& path, const std::vector<Draw>& draws,
                  std::string& error, const std::filesystem::path& temporary = {});

// "Archivio non valido:" naming the file, how many lines were left out and the first of them.
Notice archiveProblemsNotice(std::string_view fileName,
                             const std::vector<ArchiveLineProblem>& problems);
// A file that could not be read or written.
Notice archiveErrorNotice(const std::string& error);

} // namespace varnelo
