#pragma once

#include "checking/WinLevels.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace varnelo {

class BackgroundJob;
class Shell;

// What the windows of the distribution of wins share: the box "Confronta il
// sistema con i capogiochi", the calculation as a background job with its
// progress bar and Stop, and the result for the system it was made for.
class WinLevelsRunner : public QWidget {
    Q_OBJECT
  public:
    // `startCommand` is the caption of the window's key that starts it.
    WinLevelsRunner(Shell& shell, QWidget* parent,
                    const QString& startCommand = QStringLiteral("Avvia Calcolo"));
    ~WinLevelsRunner() override;

    // "Avvia Calcolo": nothing without columns, the "Troppe colonne" notice
    // above the limit; false when no calculation started.
    bool start();
    bool isRunning() const;
    bool hasResult() const { return hasResult_; }
    const WinLevels& result() const { return result_; }
    // "Sistema: NAME   Colonne: N   Capogiochi: sì/no", of the result shown.
    QString systemLine() const { return systemLine_; }

    // A result made for columns the system no longer has is dropped.
    void checkSystem();

    // The columns calculated on: the system's unless a window gives its own
    // copy, which must not change while a calculation runs.
    void setColumns(const ColumnStore* columns) { columns_ = columns; }
    // A window closed while the calculation runs: it stops, then `close`
    // runs; false when nothing runs.
    bool closeWhenEnded(std::function<void()> close);

  Q_SIGNALS:
    // The result is there (or the calculation was stopped: no result).
    void finished();
    // The result was dropped: the system changed.
    void dropped();
    void withFixedToggled();

  private:
    void end();
    std::uint64_t systemKey() const;
    const ColumnStore& columns() const;

    Shell& shell_;
    const ColumnStore* columns_ = nullptr;
    QCheckBox* withFixed_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* stop_ = nullptr;
    QLabel* status_ = nullptr;
    BackgroundJob* job_ = nullptr;
    Progress progress_;
    WinLevelsInput input_;
    WinLevels result_;
    bool hasResult_ = false;
    std::uint64_t key_ = 0;
    QString systemLine_;
    QString startCommand_;
};

} // namespace varnelo
