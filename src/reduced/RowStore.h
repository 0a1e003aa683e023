#pragma once

#include "reduced/PositionTable.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace varnelo {

// The rows of the table in use, as texts of 2-character fields. Only one
// table is held at a time; rows are numbered from 1.
class RowStore {
  public:
    static constexpr std::size_t kCapacity = 120000;

    // Replaces the rows; false (store unchanged) when the table does not fit.
    bool load(const PositionTable& table);
    bool load(std::vector<std::string> rows);
    void clear() { rows_.clear(); }

    std::size_t count() const { return rows_.size(); }
    const std::string& row(std::size_t i) const { return rows_.at(i - 1); }

  private:
    std::vector<std::string> rows_;
};

// "1 2 3 4 5 ", "6 7 8 9 10": each position left-aligned in two characters.
std::string fieldText(const std::uint8_t* positions, int count);

// Reads a row of `fields` 2-character fields; the last one-digit field may
// lack its blank. False when a field is not a number from 1 to `highest`,
// the length is wrong or a position repeats.
bool readFields(std::string_view text, int fields, int highest, std::vector<int>& out);

} // namespace varnelo
