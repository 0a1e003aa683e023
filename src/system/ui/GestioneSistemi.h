#pragma once

#include "system/SystemList.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QRadioButton;
class QTableWidget;

namespace varnelo {

// "Gestione sistemi:": lists the saved systems, opens or deletes the
// highlighted one, and can hand its columns to the recalculation.
class GestioneSistemi : public QDialog {
    Q_OBJECT
  public:
    enum class Rework { None, WithoutConditions, OwnConditions, OtherConditions };

    // `current`: the system in use, preselected when it is listed.
    GestioneSistemi(const ProgramFolder& folder, const QString& current, QWidget* parent = nullptr);

    void reload();
    QString chosenName() const;
    Rework rework() const;
    bool closeOnOpen() const;

  Q_SIGNALS:
    // "Apri": the caller opens the system and tells whether to close.
    void openRequested(const QString& name);

  private:
    void deleteSelected();

    const ProgramFolder& folder_;
    QString current_;
    std::vector<SystemEntry> entries_;
    QTableWidget* grid_ = nullptr;
    QCheckBox* closeOnOpen_ = nullptr;
    QCheckBox* rework_ = nullptr;
    QRadioButton* reworkKind_[3] = {};
    QLabel* reworkNote_ = nullptr;
};

} // namespace varnelo
