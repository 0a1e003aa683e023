#pragma once

#include <QString>

namespace varnelo {

struct AndOrQuadro;

// What the import windows of the AND/OR quadri add their filter columns to:
// the quadro open in `ColAndOr`.
class QuadroImport {
  public:
    virtual ~QuadroImport() = default;
    // The quadro being edited; nullptr when the AND/OR window is closed.
    virtual AndOrQuadro* importQuadro() = 0;
    // "Quadro C", as the import windows name their target.
    virtual QString importCaption() const = 0;
    // The source chosen in "Aggiungi colonne da:" ("Sistemi", "Matrici", "File di Testo").
    virtual QString importSource() const = 0;
    // Filter columns were added: the window shows them.
    virtual void columnsImported() = 0;
};

} // namespace varnelo
