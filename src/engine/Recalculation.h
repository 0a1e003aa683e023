#pragma once

#include "engine/DevelopmentRun.h"

#include <filesystem>

namespace varnelo {

// Reads a columns file: one column per line, LF or CRLF, blank lines
// skipped. On a bad line, an unreadable or an oversized file: false with
// the notice to show, and `columns` left as it was.
bool readColumnsFile(const std::filesystem::path& path, std::vector<Column>& columns,
                     Notice& notice);

} // namespace varnelo
