#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace varnelo {

// Reads a whole text file of at most maxBytes bytes and returns it as UTF-8:
// valid UTF-8 is kept (a byte-order mark dropped), anything else is taken as
// Windows-1252. False with an Italian message when the file is missing,
// unreadable or larger than maxBytes.
bool readTextFile(const std::filesystem::path& path, std::size_t maxBytes, std::string& text,
                  std::string& error);

// The checks readTextFile makes before reading: the file exists, is no
// folder and holds at most maxBytes bytes. False with the Italian message.
bool checkTextFile(const std::filesystem::path& path, std::size_t maxBytes, std::string& error);

// As readTextFile, but streamed a line at a time, each line decoded on its
// own, and with the blank lines after the first keepBlankLines lines left
// out: a file of nothing but line ends costs no memory. The lines come back
// joined with LF; a line longer than 1 MB is cut there.
bool readTextLines(const std::filesystem::path& path, std::size_t maxBytes,
                   std::size_t keepBlankLines, std::string& text, std::string& error);

// Converts bytes to UTF-8 as readTextFile does.
std::string decodeText(std::string_view bytes);

// The lines of a text, without their LF or CRLF ends; a last line without an
// end counts, an empty text has no lines.
std::vector<std::string_view> splitLines(std::string_view text);

// Blanks and tabs removed from both ends.
std::string_view trimBlanks(std::string_view s);

// A whole integer line (blanks around allowed); false for anything else.
bool parseIntegerText(std::string_view s, long long& value);

// Lines joined with CRLF after each one.
std::string joinLines(const std::vector<std::string>& lines);

} // namespace varnelo
