#pragma once

#include "conditions/FilterColumns.h"
#include "core/DrawLine.h"
#include "core/Notice.h"
#include "core/ProgramFolder.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnelo {

// The numbers of a filter column as typed in the grid or read from a text
// line: every run of digits is one entry, anything else separates, so
// "3 12 25", "03-12-25" and "3,12,25" read alike. False for an entry above 99.
bool parseFilterNumbers(std::string_view text, std::vector<std::uint8_t>& numbers);
// The numbers as the grid shows them: "3 12 25 33 41".
std::string filterNumbersText(const std::vector<std::uint8_t>& numbers);

// "File di Testo": one filter column per line, admitting minHits..maxHits;
// lines without numbers are passed over. An unreadable file or a bad line
// gives a notice that names the file, and `out` stays as it was.
std::optional<Notice> readFilterText(const std::filesystem::path& file, int minHits, int maxHits,
                                     std::vector<ListColumn>& out);

// "Sistemi": the columns of the saved system qor/<name>.cna. A file holding
// more than `room` columns is refused with the count that the list would
// reach (`held` filter columns are already in it); a bad line names the file.
std::optional<Notice> readSystemColumns(const ProgramFolder& folder, const std::string& name,
                                        std::size_t held, std::vector<Column>& out);

// "Elimina" of `GestioneColFiltro`: removes andor/<name><extension>.
std::optional<Notice> deleteFilterFile(const ProgramFolder& folder, const std::string& name,
                                       const char* extension);

// "Vincenti": the draws first..last (1-based positions in `draws`) as columns.
std::vector<Column> drawColumns(const std::vector<Draw>& draws, std::size_t first,
                                std::size_t last);

} // namespace varnelo
