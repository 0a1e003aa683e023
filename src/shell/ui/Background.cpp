#include "shell/ui/Background.h"

#include "core/BackgroundPicture.h"
#include "ui/Avviso.h"
#include "ui/Text.h"

#include <QEvent>
#include <QFileDialog>
#include <QImageReader>
#include <QMdiArea>

namespace varnelo {

QPixmap backgroundPicture(const ProgramFolder& folder) {
    const std::string path = loadBackgroundPath(folder);
    if (path.empty())
        return {};
    QImageReader reader(qs(path));
    reader.setAutoTransform(true);
    return QPixmap::fromImage(reader.read());
}

QPixmap coverScaled(const QPixmap& picture, const QSize& size) {
    if (picture.isNull() || size.isEmpty())
        return {};
    const QPixmap scaled =
        picture.scaled(size, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    return scaled.copy((scaled.width() - size.width()) / 2, (scaled.height() - size.height()) / 2,
                       size.width(), size.height());
}

MdiBackground::MdiBackground(QMdiArea* area, const QColor& plain)
    : QObject(area), area_(area), plain_(plain) {
    setObjectName("SfondoMDI");
    area_->viewport()->installEventFilter(this);
    paint();
}

void MdiBackground::setPicture(const QPixmap& picture) {
    picture_ = picture;
    paint();
}

bool MdiBackground::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && !picture_.isNull())
        paint();
    return QObject::eventFilter(watched, event);
}

void MdiBackground::paint() {
    if (picture_.isNull())
        area_->setBackground(plain_);
    else
        area_->setBackground(coverScaled(picture_, area_->viewport()->size()));
}

void MdiBackground::choose(const ProgramFolder& folder) {
    const QString path = QFileDialog::getOpenFileName(
        area_, "Apri", qs(folder.path("immagini").string()),
        "Immagini (*.jpg *.bmp *.tif *.ico *.ipeg *.ico);;"
        "Tutte le immagini (*.jpg *.jpeg *.png *.gif *.bmp *.tif *.tiff *.ico)");
    if (path.isEmpty())
        return;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QPixmap picture = QPixmap::fromImage(reader.read());
    if (picture.isNull()) {
        Avviso::ask(
            Notice{"Inserisci sfondo",
                   {"Il file non è un'immagine che il programma sa leggere:", path.toStdString()}},
            area_);
        return;
    }
    save(folder, path, picture);
}

void MdiBackground::remove(const ProgramFolder& folder) {
    save(folder, {}, {});
}

void MdiBackground::save(const ProgramFolder& folder, const QString& path, const QPixmap& picture) {
    std::string error;
    if (!saveBackgroundPath(folder, path.toStdString(), error)) {
        Avviso::ask(Notice{"Sfondo", {"La scelta dello sfondo non è stata salvata:", error}},
                    area_);
        return;
    }
    setPicture(picture);
}

} // namespace varnelo
