#pragma once

#include "core/ProgramFolder.h"

#include <string>

namespace varnelo {

// The background picture the player chose, kept in enal/foto.txt as one
// line with its path. A missing, unreadable or empty file means none.
std::string loadBackgroundPath(const ProgramFolder& folder);

// Writes the path (an empty one takes the picture away); false with an
// Italian message when the file cannot be written.
bool saveBackgroundPath(const ProgramFolder& folder, const std::string& path, std::string& error);

} // namespace varnelo
