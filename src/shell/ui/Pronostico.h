#pragma once

#include "ui/ChildWindow.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;

namespace varnelo {

class MusicPanel;
class NumberBoard;

// The number-entry window: chosen and fixed numbers, Numeroni, the lock.
class TableModel;

class Pronostico : public ChildWindow {
    Q_OBJECT
  public:
    explicit Pronostico(Shell& shell);

    bool isLocked() const;
    void refresh();
    // "Musica midi": the music panel, shown with the files read again.
    void showMusic();
    const MusicPanel& music() const { return *music_; }
    // The frame of the two grids, which other windows keep clear of.
    QWidget* gridFrame() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void systemChanged() override { refresh(); }
    // The player's desk stays open on Escape: it is not a dialog.
    void keyPressEvent(QKeyEvent* event) override { QWidget::keyPressEvent(event); }

  private:
    void toggleNumerone(int n);
    void setLocked(bool locked);
    QGroupBox* makeGridFrame();
    QGroupBox* makeCommandFrame();
    QGroupBox* makeStatisticsFrame();
    bool numeroneKey(QKeyEvent* event);
    void fillStatistics();
    void paintNumeroni();
    void updateCounts();
    QPushButton* commandButton(int index, const QString& caption, const QString& command);

    NumberBoard* numbers_ = nullptr;
    QTableWidget* numeroni_ = nullptr;
    QGroupBox* gridFrame_ = nullptr;
    QPushButton* lock_ = nullptr;
    QLabel* counts_ = nullptr;
    QLabel* rework_ = nullptr;
    QTableView* statistics_ = nullptr;
    TableModel* statisticsModel_ = nullptr;
    QList<QPushButton*> commands_;
    MusicPanel* music_ = nullptr;
};

} // namespace varnelo
