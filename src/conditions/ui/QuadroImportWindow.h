#pragma once

#include "ui/ChildWindow.h"

#include <optional>

class QGroupBox;
class QLabel;
class QSpinBox;
class QVBoxLayout;

namespace varnelo {

struct AndOrQuadro;
struct Notice;
class QuadroImport;

// The frame of the two import windows of the AND/OR quadri: the quadro the
// filter columns go to, the window's own choice of columns, the admitted
// hits "Valori  inseribili" ("Min.", "Max.") and "Importa" / "Chiudi".
class QuadroImportWindow : public ChildWindow {
    Q_OBJECT
  public:
    QuadroImportWindow(Shell& shell, const QString& name, const QString& title,
                       QuadroImport& target);

  protected:
    // The window's own controls go here, above the hits.
    QVBoxLayout* body() const { return body_; }
    void setHitsCaption(const QString& caption);
    // Adds the chosen columns to the quadro admitting minHits..maxHits; the
    // notice of a refusal or of a partial import, if any. False when nothing
    // was taken (the window stays open).
    virtual bool importInto(AndOrQuadro& quadro, int minHits, int maxHits,
                            std::optional<Notice>& notice) = 0;

    void showEvent(QShowEvent* event) override;

  private:
    void import();

    QuadroImport& target_;
    QLabel* caption_ = nullptr;
    QVBoxLayout* body_ = nullptr;
    QSpinBox* min_ = nullptr;
    QSpinBox* max_ = nullptr;
    QGroupBox* hits_ = nullptr;
};

} // namespace varnelo
