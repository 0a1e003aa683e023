#pragma once

#include "core/Notice.h"
#include "core/Numbers.h"
#include "core/ProgramFolder.h"
#include "reduced/PositionTable.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnelo {

inline constexpr std::size_t kMaxPersonalColumns = 10000;
// The cells of the board a column is marked on: positions 1..50.
inline constexpr int kPersonalPositions = 50;

// A table of the player's own ("Ridotti personali"), kept in
// ridotti/<name>.rid: the column count, "Numeri in gioco", "Numeri
// capogiochi", the guarantee 2..4, a line "*", then one column per line,
// each position preceded by a blank.
struct PersonalTable {
    int numbersInPlay = 0;
    int leaders = 0;
    int guarantee = 3;
    std::vector<Column> columns; // positions, ascending

    bool operator==(const PersonalTable&) const = default;
};

std::string formatPersonalTable(const PersonalTable& table);
// A count above 10000 is refused ("Colonne N°= "), as is a line that is not
// five different positions 1..50; `out` stays as it was. Fewer columns than
// the count announced are taken as they are.
std::optional<Notice> parsePersonalTable(std::string_view text, const std::string& fileName,
                                         PersonalTable& out);

std::optional<Notice> loadPersonalTable(const ProgramFolder& folder, const std::string& name,
                                        PersonalTable& out);
// Written to a temporary file and renamed into place.
std::optional<Notice> savePersonalTable(const ProgramFolder& folder, const std::string& name,
                                        const PersonalTable& table);
bool personalTableExists(const ProgramFolder& folder, const std::string& name);
std::optional<Notice> deletePersonalTable(const ProgramFolder& folder, const std::string& name);

// One table of ridotti/ as the open windows list it: its header, or
// `damaged` for a file the reader refuses (listed, so that it can be deleted).
struct PersonalTableEntry {
    std::string name;
    std::size_t columns = 0;
    int numbersInPlay = 0;
    int leaders = 0;
    int guarantee = 0;
    bool damaged = false;
};
// Every .rid file of ridotti/, sorted by name.
std::vector<PersonalTableEntry> listPersonalTables(const ProgramFolder& folder);

// Whether every five of positions 1..n, n being the highest position the
// table uses, meet a column in at least its guarantee: what the player's
// own table really guarantees.
bool personalTableKeepsItsGuarantee(const PersonalTable& table);
// The most hits (0..5) the table guarantees whenever five of its positions
// are drawn, whatever guarantee it names.
int personalTableHeldGuarantee(const PersonalTable& table);
// The positions the guarantee is checked over: 1..the highest one used.
int personalTablePositions(const PersonalTable& table);
// "Verifica garanzia": whether the table keeps the guarantee it names over
// the positions it uses, and what it does guarantee, in the player's words.
Notice personalGuaranteeReport(const PersonalTable& table);

// "rqor" followed by the first 1, 2, 3, ... with no table of that name yet.
std::string defaultPersonalName(const ProgramFolder& folder);

} // namespace varnelo
