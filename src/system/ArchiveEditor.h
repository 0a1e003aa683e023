#pragma once

#include "core/ColumnsFile.h"
#include "core/DrawLine.h"
#include "core/Notice.h"
#include "core/ProgramFolder.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnelo {

// One row of the editing grid `MSFlexGrid6`.
struct EditorRow {
    std::string date;      // dd-mm-yyyy
    std::string numbers;   // the 14-character block
    std::string numerone1; // two digits
    std::string numerone2;
    // Characters after position 28 of the line the row came from, written
    // back so that an unchanged archive stays byte for byte the same.
    std::string tail;
    bool operator==(const EditorRow&) const = default;
};

// What the entry fields of the editor hold, as typed.
struct EditorEntry {
    std::array<std::string, 5> numbers;  // `TextNumCol` 0..4
    std::array<std::string, 2> numeroni; // `TextNumCol` 5..6
    std::string day, month, year;        // `TextNumUsc`
};

// The archive editor `ColonneUscite` ("Aggiornamento archivio:"): the newest
// draws in a grid, "Aggiungi", "Elimina" and "OK" that rewrites the archive.
class ArchiveEditor {
  public:
    static constexpr std::size_t kLoadedDraws = 4500;

    // Reads enal/archivio.cna. False (with the notice) when it cannot be read;
    // malformed lines give a notice and are left out of the grid.
    bool open(const ProgramFolder& folder, std::vector<Notice>& notices);

    std::int32_t drawCount() const { return drawCount_; }
    const std::vector<EditorRow>& rows() const { return rows_; }

    // "Aggiungi": nothing when the entry became the last row, otherwise the
    // "Informazione:" notice and the grid unchanged.
    std::optional<Notice> add(const EditorEntry& entry);
    // "Eliminare la colonna con Data = " and the row's date.
    std::string removeQuestion(std::size_t row) const;
    bool remove(std::size_t row);

    // "OK": rewrites enal/archivio.cna through enal/archivio.cnn (the old
    // archive stays whole until the rename) and rebuilds the archive system.
    TaskOutcome commit(const ProgramFolder& folder) const;

  private:
    std::int32_t drawCount_ = 0;
    std::vector<std::string> keptLines_; // lines up to and including the keep-line
    std::vector<EditorRow> rows_;
};

} // namespace varnelo
