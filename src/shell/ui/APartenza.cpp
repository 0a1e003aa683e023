#include "shell/ui/APartenza.h"

#include "shell/ui/Background.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace varnelo {

APartenza::APartenza(const QPixmap& picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("APartenza");
    // Half the screen at most, in the picture's proportions.
    const QSize room = QGuiApplication::primaryScreen()->availableSize() / 2;
    const QSize size = picture.size().scaled(room, Qt::KeepAspectRatio);
    auto* shown = new QLabel(this);
    shown->setObjectName("Immagine");
    shown->setPixmap(coverScaled(picture, size));
    auto* name = new QLabel("Varnelo", shown);
    name->setStyleSheet("color: white; background: rgba(0, 0, 0, 110); font-size: 20pt;"
                        "font-weight: bold; padding: 4px 12px;");
    name->adjustSize();
    name->move(12, size.height() - name->height() - 12);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(shown);
    setFixedSize(size);
}

} // namespace varnelo
