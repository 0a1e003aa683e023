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

namespace varnelo {

class BackgroundJob;
class SystemPair;

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
    // The operation's refusal before it runs, if any.
    std::optional<Notice> refusal() const;

    SystemPair* inputs_ = nullptr;
    QComboBox* operation_ = nullptr;
    QSpinBox* points_ = nullptr;
    QSpinBox* firstPosition_ = nullptr;
    QSpinBox* lastPosition_ = nullptr;
    QSpinBox* fromNumber_ = nullptr;
    QSpinBox* toNumber_ = nullptr;
    QPushButton* runButton_ = nullptr;
    QPushButton* save_ = nullptr;
    QLabel* result_ = nullptr;
    BackgroundJob* job_ = nullptr;
    Progress progress_;
    std::vector<Column> columns_;
    std::optional<Notice> outcome_; // a notice the operation itself gave
    bool cancelled_ = false;
    bool hasResult_ = false;
};

} // namespace varnelo
