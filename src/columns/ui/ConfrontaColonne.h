#pragma once

#include "core/Notice.h"
#include "core/Numbers.h"
#include "core/Progress.h"
#include "ui/ChildWindow.h"

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;

namespace varnelo {

class BackgroundJob;
class SystemPair;
class TableModel;

// "Confronta Colonne:": one operation of the list on two saved systems (or
// on the first alone), its result saved as a new column-defined system.
class ConfrontaColonne : public ChildWindow {
    Q_OBJECT
  public:
    explicit ConfrontaColonne(Shell& shell);
    ~ConfrontaColonne() override;

  private:
    void run();
    void ended();
    void saveResult();
    void showResult();
    void showSigns();
    // The operation's refusal before it runs, if any.
    std::optional<Notice> refusal() const;

    SystemPair* inputs_ = nullptr;
    QComboBox* operation_ = nullptr;
    QSpinBox* points_ = nullptr;
    QSpinBox* firstPosition_ = nullptr;
    QSpinBox* lastPosition_ = nullptr;
    QSpinBox* fromNumber_ = nullptr;
    QSpinBox* toNumber_ = nullptr;
    QSpinBox* difference_ = nullptr;
    QPushButton* runButton_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* save_ = nullptr;
    QLabel* result_ = nullptr;
    QLabel* signsTitle_ = nullptr;
    TableModel* signs_ = nullptr;
    QTableView* signsView_ = nullptr;
    BackgroundJob* job_ = nullptr;
    Progress progress_;
    std::vector<Column> columns_;
    std::optional<Notice> outcome_; // a notice the operation itself gave
    std::int64_t dropped_ = 0;      // by "Consecutivita Differenziata:"
    bool cancelled_ = false;
    bool hasResult_ = false;
};

} // namespace varnelo
