#pragma once

#include "system/ArchiveEditor.h"
#include "system/ProgramState.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace varnelo {

// "Aggiornamento archivio:": the newest draws, with "Aggiungi", "Elimina" and
// "OK" that rewrites the archive.
class ColonneUscite : public QDialog {
    Q_OBJECT
  public:
    ColonneUscite(ProgramState& state, QWidget* parent = nullptr);

    bool isOpen() const { return open_; }
    void addFromFields();
    void removeSelected();
    bool commit();
    void reject() override;

  private:
    void fillGrid();

    ProgramState& state_;
    ArchiveEditor editor_;
    bool open_ = false;
    bool changed_ = false; // draws added or deleted since the window opened
    QTableWidget* grid_ = nullptr;
    QLineEdit* numbers_[7] = {};
    QLineEdit* date_[3] = {};
    QLabel* count_ = nullptr;
};

} // namespace varnelo
