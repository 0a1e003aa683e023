#pragma once

#include "checking/ArchiveView.h"

#include <QGroupBox>

#include <vector>

class QLabel;
class QPushButton;
class QScrollBar;

namespace varnelo {

// The frame `Frame1` that steps through the newest draws of the archive:
// `CommArc`(0..3) previous, next, first and last, the scroll bar `HScroll2`
// to pick one directly, the caption "Archivio" and the index, `LabArch`
// with "Del " and the date.
class ArchiveFrame : public QGroupBox {
    Q_OBJECT
  public:
    explicit ArchiveFrame(QWidget* parent);

    // Shows the newest draw without announcing it.
    void setDraws(std::vector<Draw> draws);
    int index() const { return index_; }
    int count() const { return static_cast<int>(draws_.size()); }
    void step(ArchiveStep step);
    void setStepsEnabled(bool on);

  Q_SIGNALS:
    // A step or the scroll bar chose a draw.
    void drawChosen(const varnelo::Draw& draw);

  private:
    void showDraw(int index);

    std::vector<Draw> draws_;
    int index_ = 0;
    QLabel* date_ = nullptr;
    QLabel* numbers_ = nullptr;
    QScrollBar* scroll_ = nullptr;
    std::vector<QPushButton*> steps_;
};

} // namespace varnelo
