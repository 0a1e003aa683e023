#pragma once

#include "core/ProgramFolder.h"

#include <QColor>
#include <QObject>
#include <QPixmap>

class QMdiArea;

namespace varnelo {

// The player's picture (enal/foto.txt); a null pixmap when none is set or
// the file is gone or not a picture.
QPixmap backgroundPicture(const ProgramFolder& folder);

// The picture scaled to cover `size` whole, cut evenly where it overflows.
QPixmap coverScaled(const QPixmap& picture, const QSize& size);

// The background of the MDI area: the picture, scaled to cover the area
// whenever it changes size, or the plain colour.
class MdiBackground : public QObject {
    Q_OBJECT
  public:
    MdiBackground(QMdiArea* area, const QColor& plain);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

    // "Inserisci sfondo": the open dialog, then the picture is kept and shown.
    void choose(const ProgramFolder& folder);
    // "Togli sfondo": enal/foto.txt emptied, the plain colour back.
    void remove(const ProgramFolder& folder);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void paint();
    void save(const ProgramFolder& folder, const QString& path, const QPixmap& picture);

    QMdiArea* area_;
    QColor plain_;
    QPixmap picture_;
};

} // namespace varnelo
