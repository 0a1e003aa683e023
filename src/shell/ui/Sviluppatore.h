#pragma once

#include "engine/SetupForm.h"
#include "ui/ChildWindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QSpinBox;

namespace varnelo {

// The set-up window "Imposta sistema:": edits a copy of the options; OK applies it.
class Sviluppatore : public ChildWindow {
    Q_OBJECT
  public:
    explicit Sviluppatore(Shell& shell);

    // Reloads the controls from the shared state.
    void load();
    SetupForm form() const;

  Q_SIGNALS:
    void applied();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* makeDevelopmentFrame();
    QWidget* makeKindFrame();
    QWidget* makeOptionsFrame();
    QWidget* makeRecalculationFrame();
    QWidget* makeSlipFrame();
    void showCoverageNote();
    void showHelp();
    void updateEnabled();
    void accept();
    void showPrice();
    double price_ = 0.5;
    QRadioButton* level_[5] = {};
    QRadioButton* slip_[2] = {};
    QRadioButton* sound_[2] = {};
    QRadioButton* immediateReal_ = nullptr;
    QCheckBox* immediate_ = nullptr;
    QCheckBox* shuffle_ = nullptr;
    QCheckBox* warn_ = nullptr;
    QCheckBox* saveColumns_ = nullptr;
    QCheckBox* showConditions_ = nullptr;
    QCheckBox* differenceOn_ = nullptr;
    QCheckBox* orthogonalOn_ = nullptr;
    QScrollBar* coverageScroll_ = nullptr;
    QLineEdit* coverageText_ = nullptr;
    QLabel* coverageNote_ = nullptr;
    QSpinBox* difference_ = nullptr;
    QComboBox* guarantee_ = nullptr;
    QLineEdit* contest_ = nullptr;
    QLabel* priceLabel_ = nullptr;
    QWidget* priceButton_ = nullptr;
    bool loading_ = false;
};

} // namespace varnelo
