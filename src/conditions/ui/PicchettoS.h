#pragma once

#include "conditions/Picchetto.h"
#include "ui/ChildWindow.h"

class QButtonGroup;
class QLabel;
class QTabBar;
class QTableWidget;
class QTableWidgetItem;

namespace varnelo {

// "Generazione e inserimento Picchetto": the ten picchetti, typed in or
// generated from the selected draws. The edits stay in a copy until "OK",
// which keeps them with the system and writes picchetto/picchetto.txt;
// "Annulla" drops the edits.
class PicchettoS : public ChildWindow {
    Q_OBJECT
  public:
    explicit PicchettoS(Shell& shell);

  protected:
    void showEvent(QShowEvent* event) override;
    bool forgetEdits() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* makeGenerationFrame();
    int shownPicchetto() const;
    void fill();
    void take(QTableWidgetItem* item);
    // Generates the chosen figure over the selected draws into the shown picchetto.
    void generate();
    void chooseDraws();
    void showDrawCount();
    void accept();

    PicchettoTable table_;
    bool editing_ = false;
    QTabBar* tabs_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QButtonGroup* source_ = nullptr;
    QLabel* draws_ = nullptr;
    bool filling_ = false;
};

} // namespace varnelo
