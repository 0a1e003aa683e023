#pragma once

#include "printing/PrintFiles.h"
#include "printing/SlipLayout.h"
#include "printing/ui/PrintPages.h"
#include "ui/ChildWindow.h"
#include "ui/PrintPreview.h"

#include <QList>

class QButtonGroup;
class QLabel;
class QRadioButton;
class QSlider;

namespace varnelo {

// "Taratura Schedine:": where the slip enters the printer and how far the
// printer puts the marks off, checked on a test slip drawn over the slip's
// boxes. Every change is kept at once in enal/generic.txt.
class ImpostaStampante : public ChildWindow {
    Q_OBJECT
  public:
    explicit ImpostaStampante(Shell& shell);

  private:
    CalibrationSettings chosen() const;
    // The test slip as chosen, for the printer (`outline` for the screen).
    SlipJob testJob(bool outline) const;
    PagePainter testPage(bool outline) const;
    void changed();
    void keep();
    void restoreOriginal();

    SlipLayout layout_;
    CalibrationSettings settings_;
    QList<QRadioButton*> entry_;
    QList<QRadioButton*> ink_;
    QSlider* across_ = nullptr;
    QSlider* down_ = nullptr;
    QLabel* acrossText_ = nullptr;
    QLabel* downText_ = nullptr;
    QButtonGroup* marker_ = nullptr;
    QLabel* picture_ = nullptr;
};

} // namespace varnelo
