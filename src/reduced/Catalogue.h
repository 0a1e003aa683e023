#pragma once

#include "reduced/PositionTable.h"
#include "reduced/RowStore.h"
#include "reduced/TableCode.h"
#include "reduced/TableFile.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace varnelo {

// The answer of a lookup: "OK" with the rows loaded, or nothing found.
struct TableAnswer {
    std::string answer;
    std::size_t rows = 0;
    std::string error; // Italian, when a table of the catalogue is damaged

    bool ok() const { return answer == "OK"; }
};

// The built-in covering tables, read from the program's own data folder
// (never from the user's folder). Not thread-safe: the opened family files
// are kept for the next lookup.
class Catalogue {
  public:
    explicit Catalogue(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // Ordinary tables ("R" codes): the groups of 5, 4, 3 and 2 fields, then
    // the single numbers. The code is completed as completeCode() does.
    TableAnswer findTable(std::string_view code, RowStore& store) const;
    // The same lookup over the orthogonal ("O") codes.
    TableAnswer findOrthogonalTable(std::string_view code, RowStore& store) const;

    // The free-form table of a catalogue code, without touching a store.
    bool table(const TableCode& code, PositionTable& out, std::string& error) const;
    // Rows of a catalogue code as listed by the data files; 0 when missing.
    std::size_t rowCount(const TableCode& code) const;

  private:
    TableAnswer find(char family, std::string_view code, RowStore& store) const;
    const TableFile* family(const TableCode& freeForm, std::string& error) const;

    std::filesystem::path folder_;
    mutable std::map<std::string, std::unique_ptr<TableFile>> files_;
};

// The catalogue shipped with the program: beside it when installed, else
// the source tree's.
Catalogue programCatalogue();

} // namespace varnelo
