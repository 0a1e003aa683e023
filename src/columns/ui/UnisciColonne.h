#pragma once

#include "columns/ColumnSets.h"
#include "ui/ChildWindow.h"

#include <QString>

#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace varnelo {

class BackgroundJob;
class SystemPair;

// "Unisci sistemi:": two saved systems joined into one, the second's
// columns dropped when a kept column repeats or nearly repeats them.
class UnisciColonne : public ChildWindow {
    Q_OBJECT
  public:
    explicit UnisciColonne(Shell& shell);
    ~UnisciColonne() override;

    // The system `which` (0 or 1) as "Sistema 1" / "Sistema 2" take it.
    bool chooseSystem(int which, const std::string& name);

  private:
    void join();
    void joined();
    void clear();
    void saveResult();
    void showResult();
    JoinElimination elimination() const;

    SystemPair* inputs_ = nullptr;
    QCheckBox* eliminate_ = nullptr;
    QButtonGroup* levels_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* joinButton_ = nullptr;
    QPushButton* save_ = nullptr;
    QLabel* eliminated_ = nullptr;
    QLabel* result_ = nullptr;
    BackgroundJob* job_ = nullptr;
    Progress progress_;
    JoinResult joinResult_;
    int joinElimination_ = 0;
    bool hasResult_ = false;
};

} // namespace varnelo
