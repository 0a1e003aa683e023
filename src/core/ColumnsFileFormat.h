#pragma once

#include "core/Numbers.h"

#include <string>
#include <string_view>

namespace varnelo {

// One line of a columns file (.cna of a system, qor/qor.qor, text export):
// each number left-aligned in a field of three characters, so
// "1  12 23 34 45 " for the column 1, 12, 23, 34, 45.
inline constexpr std::size_t kColumnFieldWidth = 3;
inline constexpr std::size_t kColumnLineWidth = kColumnFieldWidth * kColumnSize;
// The line as written: the fifteen characters and CRLF.
inline constexpr std::size_t kColumnLineBytes = kColumnLineWidth + 2;

// Writes the fifteen characters of the line, without line end, into out.
void formatColumnLine(const Column& column, char* out);
// Appends the fifteen characters and CRLF.
void appendColumnLine(std::string& out, const Column& column);

// Reads five integers separated by blanks or tabs (a trailing CR is ignored).
// False when the line does not hold exactly five numbers 1..49 in strictly
// ascending order; the reason is then set, in Italian, when asked for.
bool parseColumnLine(std::string_view line, Column& column, std::string* reason = nullptr);

} // namespace varnelo
