#pragma once

#include "core/StatisticsSelection.h"
#include "system/ProgramState.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QScrollBar;
class QSpinBox;

namespace varnelo {

// "Impostazione di Ricerca": which draws of the archive the statistics read.
class Ricerca : public QDialog {
    Q_OBJECT
  public:
    Ricerca(ProgramState& state, QWidget* parent = nullptr);

    SearchSettings settings() const;
    // "OK": writes enal/archivio2.cna and enal/Ricerca.txt, refreshes the figures.
    bool apply();

  private:
    QWidget* checkFrame(const QString& title, const QString& names, int rows, QCheckBox** boxes,
                        int count, const std::function<QString(int)>& caption);
    QWidget* makeRangeFrame(int drawCount);
    QWidget* makePersonalFrame();
    void load(const SearchSettings& s);
    void updateCount();
    void usePersonal();

    ProgramState& state_;
    std::vector<Draw> archive_;
    QCheckBox* months_[12] = {};
    QCheckBox* positions_[14] = {};
    QCheckBox* weekdays_[7] = {};
    QRadioButton* examine_[2] = {};
    QSpinBox* range_[2] = {};
    QScrollBar* scroll_[2] = {};
    QLabel* rangeLabel_[2] = {};
    QLabel* count_ = nullptr;
    QComboBox* personal_ = nullptr;
    bool loading_ = false;
};

} // namespace varnelo
