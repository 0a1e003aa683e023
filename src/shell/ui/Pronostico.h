#pragma once

#include "ui/ChildWindow.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;

namespace varnelo {

// The number-entry window: chosen and fixed numbers, Numeroni, the lock.
class TableModel;

class Pronostico : public ChildWindow {
    Q_OBJECT
  public:
    // Edit modes of the number grid.
    enum Mode { ToggleFixed = 0, Choose = 1, Fix = 2, Drop = 3, ToggleChosen = 5 };

    explicit Pronostico(Shell& shell);

    bool isLocked() const;
    void refresh();
    // The frame of the two grids, which other windows keep clear of.
    QWidget* gridFrame() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void systemChanged() override { refresh(); }
    // The player's desk stays open on Escape: it is not a dialog.
    void keyPressEvent(QKeyEvent* event) override { QWidget::keyPressEvent(event); }

  private:
    // Applies an edit mode to a number 1..49 (never to the cell for 50).
    void applyMode(int number, Mode mode);
    void toggleNumerone(int n);
    void setLocked(bool locked);
    QGroupBox* makeGridFrame();
    QGroupBox* makeCommandFrame();
    QGroupBox* makeStatisticsFrame();
    bool numberKey(QKeyEvent* event);
    bool numeroneKey(QKeyEvent* event);
    bool numberClick(QMouseEvent* event);
    void fillStatistics();
    void paintNumber(int number);
    void paintNumeroni();
    void updateCounts();
    QPushButton* commandButton(int index, const QString& caption, const QString& command);

    QTableWidget* numbers_ = nullptr;
    QTableWidget* numeroni_ = nullptr;
    QGroupBox* gridFrame_ = nullptr;
    QPushButton* lock_ = nullptr;
    QLabel* counts_ = nullptr;
    QLabel* rework_ = nullptr;
    QTableView* statistics_ = nullptr;
    TableModel* statisticsModel_ = nullptr;
    QList<QPushButton*> commands_;
};

} // namespace varnelo
