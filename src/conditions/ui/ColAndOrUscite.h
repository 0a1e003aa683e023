#pragma once

#include "conditions/ui/QuadroImportWindow.h"

class QLabel;
class QListWidget;
class QScrollBar;
class QSpinBox;

namespace varnelo {

// "Importazione colonne vincenti:": selected draws become filter columns of
// the quadro, each draw's five numbers one filter column; "Da:" (`Scrol1`)
// chooses the first draw and "Estrazioni:" how many.
class ColAndOrUscite : public QuadroImportWindow {
    Q_OBJECT
  public:
    ColAndOrUscite(Shell& shell, QuadroImport& target);

  protected:
    bool importInto(AndOrQuadro& quadro, int minHits, int maxHits,
                    std::optional<Notice>& notice) override;
    void showEvent(QShowEvent* event) override;

  private:
    void showChosen();

    QScrollBar* from_ = nullptr;
    QSpinBox* count_ = nullptr;
    QLabel* fromText_ = nullptr;
    QListWidget* chosen_ = nullptr;
};

} // namespace varnelo
