#pragma once

#include "core/Notice.h"
#include "reduced/PersonalTable.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace varnelo {

// A personal table while the player builds it in "Ridotti personali": the
// columns come from the cells marked on the board, one column may be taken
// back onto the board and written again, and the edit knows whether it
// differs from the file it came from.
class PersonalTableEdit {
  public:
    const PersonalTable& table() const { return table_; }
    // The file's name without ".rid"; empty for a table never saved.
    const std::string& name() const { return name_; }
    bool modified() const { return modified_; }
    // The column (from 0) taken onto the board by "Modifica colonnina".
    std::optional<std::size_t> changing() const { return changing_; }

    // A new table (empty) or one just opened: nothing to save yet.
    void start(PersonalTable table, std::string name);
    // The table was written under `name`.
    void saved(std::string name);

    void setNumbersInPlay(int n);
    void setLeaders(int n);
    void setGuarantee(int g);

    // "Inserisci colonnina": the marked positions become the last column.
    std::optional<Notice> insert(const std::vector<int>& marked);
    // "Modifica colonnina": the positions of column `index`, to mark on the board.
    std::optional<Notice> beginChange(std::optional<std::size_t> index, std::vector<int>& marked);
    // "Inserisci modifica colonnina": the marked positions replace the column taken.
    std::optional<Notice> endChange(const std::vector<int>& marked);
    // "Annulla inserimento": the column taken stays as it was.
    void cancelChange() { changing_.reset(); }
    // "Elimina colonnina evidenziata".
    std::optional<Notice> erase(std::optional<std::size_t> index);

  private:
    // Five positions, not already a column other than `except`.
    std::optional<Notice> readMarked(const std::vector<int>& marked,
                                     std::optional<std::size_t> except, Column& out) const;
    void placed(const Column& c);

    PersonalTable table_;
    std::string name_;
    bool modified_ = false;
    std::optional<std::size_t> changing_;
};

} // namespace varnelo
