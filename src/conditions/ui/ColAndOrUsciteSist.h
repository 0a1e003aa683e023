#pragma once

#include "conditions/ui/QuadroImportWindow.h"

#include <array>

class QLabel;
class QListWidget;
class QRadioButton;

namespace varnelo {

// "Importa sistemi:": the columns of a saved system ("Max 1000 colonne"), a
// list of numbers kept in `andor/` ("Matrici") or a text file become filter
// columns of the quadro.
class ColAndOrUsciteSist : public QuadroImportWindow {
    Q_OBJECT
  public:
    ColAndOrUsciteSist(Shell& shell, QuadroImport& target);

  protected:
    bool importInto(AndOrQuadro& quadro, int minHits, int maxHits,
                    std::optional<Notice>& notice) override;
    void showEvent(QShowEvent* event) override;

  private:
    enum Source { Systems, Lists, TextFile };
    void showSource(int source);

    QuadroImport& target_;
    std::array<QRadioButton*, 3> sources_{};
    QListWidget* names_ = nullptr;
    QLabel* hint_ = nullptr;
};

} // namespace varnelo
