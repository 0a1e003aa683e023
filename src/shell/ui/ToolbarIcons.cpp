#include "shell/ui/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace varnelo {

namespace {

constexpr int kSize = 32;

const QColor kInk(0x30, 0x30, 0x40);
const QColor kBlue(0x2a, 0x6f, 0xc9);
const QColor kRed(0xd0, 0x3a, 0x2f);
const QColor kGreen(0x2e, 0x9a, 0x48);
const QColor kYellow(0xf2, 0xc0, 0x2e);
const QColor kPaper(0xfa, 0xfa, 0xf5);

void page(QPainter& p, QRectF r, const QColor& fill = kPaper) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 6, r.top());
    path.lineTo(r.right(), r.top() + 6);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(fill);
    p.setPen(QPen(kInk, 1.5));
    p.drawPath(path);
}

void letter(QPainter& p, QRectF r, const QString& text, const QColor& color, int px) {
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(px);
    p.setFont(f);
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, text);
}

void bars(QPainter& p, std::initializer_list<int> heights, const QColor& color) {
    int x = 5;
    p.setPen(QPen(kInk, 1));
    for (int h : heights) {
        p.setBrush(color);
        p.drawRect(QRectF(x, 28 - h, 5, h));
        x += 6;
    }
    p.drawLine(3, 28, 29, 28);
}

void printer(QPainter& p, const QColor& sheet) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(sheet);
    p.drawRect(QRectF(9, 4, 14, 10));
    p.setBrush(QColor(0x9a, 0xa0, 0xaa));
    p.drawRoundedRect(QRectF(4, 13, 24, 10), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 20, 14, 8));
}

void draw(QPainter& p, const QString& key) {
    if (key == "Nuovo") {
        page(p, QRectF(7, 3, 18, 26));
        letter(p, QRectF(12, 14, 18, 18), "+", kGreen, 18);
    } else if (key == "Apri") {
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kYellow.darker(115));
        p.drawRect(QRectF(3, 8, 24, 19));
        p.setBrush(kYellow);
        QPolygonF flap({QPointF(7, 14), QPointF(30, 14), QPointF(26, 27), QPointF(3, 27)});
        p.drawPolygon(flap);
    } else if (key == "Salva") {
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 3, 3);
        p.setBrush(kPaper);
        p.drawRect(QRectF(9, 4, 14, 9));
        p.setBrush(QColor(0xdd, 0xdd, 0xdd));
        p.drawRect(QRectF(8, 17, 16, 11));
    } else if (key == "SviluppaLeColonne") {
        p.setPen(QPen(kGreen.darker(130), 1.5));
        p.setBrush(kGreen);
        p.drawPolygon(QPolygonF({QPointF(8, 5), QPointF(27, 16), QPointF(8, 27)}));
    } else if (key == "SoloCalcolo") {
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(0xe8, 0xe8, 0xe8));
        p.drawRoundedRect(QRectF(6, 3, 20, 26), 2, 2);
        letter(p, QRectF(6, 5, 20, 22), "Σ", kBlue, 18);
    } else if (key == "Statistiches" || key == "Statistiche1") {
        bars(p, {10, 18, 13, 22}, key == "Statistiches" ? kBlue : kGreen);
    } else if (key == "ColonneVideo") {
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(0x1d, 0x2b, 0x3a));
        p.drawRoundedRect(QRectF(3, 4, 26, 19), 2, 2);
        p.drawLine(16, 23, 16, 27);
        p.drawLine(10, 28, 22, 28);
        p.setPen(QPen(QColor(0x9f, 0xe0, 0xa0), 1.5));
        for (int i = 0; i < 3; ++i)
            p.drawLine(7, 9 + i * 5, 25, 9 + i * 5);
    } else if (key == "Spoglio") {
        page(p, QRectF(5, 3, 20, 26));
        p.setPen(QPen(kGreen, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(10, 17), QPointF(15, 23), QPointF(27, 8)}));
    } else if (key == "Torta") {
        const QRectF r(4, 4, 24, 24);
        p.setPen(QPen(kInk, 1));
        p.setBrush(kBlue);
        p.drawPie(r, 0, 200 * 16);
        p.setBrush(kYellow);
        p.drawPie(r, 200 * 16, 100 * 16);
        p.setBrush(kRed);
        p.drawPie(r, 300 * 16, 60 * 16);
    } else if (key == "Probabilita") {
        p.setPen(QPen(kInk, 1.5));
        p.drawLine(4, 28, 28, 28);
        p.drawLine(4, 28, 4, 4);
        p.setPen(QPen(kRed, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(
            QPolygonF({QPointF(6, 24), QPointF(12, 16), QPointF(18, 20), QPointF(27, 6)}));
    } else if (key == "DistVincite") {
        bars(p, {6, 12, 22, 14, 8}, kYellow);
    } else if (key == "ConfrontoStema") {
        page(p, QRectF(3, 3, 15, 20));
        page(p, QRectF(14, 9, 15, 20), QColor(0xe0, 0xec, 0xff));
    } else if (key == "Quote") {
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kYellow);
        p.drawEllipse(QRectF(4, 4, 24, 24));
        letter(p, QRectF(4, 4, 24, 24), "€", kInk, 16);
    } else if (key == "Ridotti") {
        page(p, QRectF(5, 3, 22, 26));
        letter(p, QRectF(5, 6, 22, 22), "R", kRed, 17);
    } else if (key == "Archivio") {
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(0xc8, 0x9a, 0x5a));
        p.drawRect(QRectF(4, 11, 24, 17));
        p.setBrush(QColor(0xb0, 0x80, 0x45));
        p.drawRect(QRectF(2, 5, 28, 7));
        p.drawLine(12, 17, 20, 17);
    } else if (key == "Collegamen") {
        p.setPen(QPen(kBlue, 1.5));
        p.setBrush(QColor(0xd6, 0xe8, 0xff));
        p.drawEllipse(QRectF(4, 4, 24, 24));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(10, 4, 12, 24));
        p.drawLine(4, 16, 28, 16);
        p.drawLine(6, 10, 26, 10);
        p.drawLine(6, 22, 26, 22);
    } else if (key == "Cruciverba") {
        p.setPen(QPen(kInk, 1));
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) {
                p.setBrush((r + c) % 3 == 0 ? kInk : kPaper);
                p.drawRect(QRectF(4 + c * 6, 4 + r * 6, 6, 6));
            }
    } else if (key == "Sequele1") {
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(0xe0, 0xf2, 0xe0));
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 4, 4);
        letter(p, QRectF(4, 4, 24, 24), "1", kGreen.darker(120), 18);
    } else if (key == "StampaSchedine") {
        printer(p, QColor(0xff, 0xe0, 0xe0));
    } else if (key == "StampaTabulato") {
        printer(p, kPaper);
    } else if (key == "CedolinaConDis") {
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kYellow);
        p.drawPolygon(QPolygonF({QPointF(16, 4), QPointF(29, 27), QPointF(3, 27)}));
        p.drawLine(9, 19, 23, 19);
        p.drawLine(12, 13, 20, 13);
    } else if (key == "Chiudi") {
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(0xb8, 0x86, 0x50));
        p.drawRect(QRectF(7, 3, 16, 26));
        p.setBrush(kYellow);
        p.drawEllipse(QRectF(18, 15, 3, 3));
        p.setPen(QPen(kRed, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(24, 10, 30, 16);
        p.drawLine(30, 10, 24, 16);
    }
}

} // namespace

QIcon toolbarIcon(const QString& key) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pix(kSize * scale, kSize * scale);
        pix.setDevicePixelRatio(scale);
        pix.fill(Qt::transparent);
        QPainter p(&pix);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p, key);
        icon.addPixmap(pix);
    }
    return icon;
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 64}) {
        QPixmap pix(size, size);
        pix.fill(Qt::transparent);
        QPainter p(&pix);
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient shade(size * 0.35, size * 0.3, size * 0.7);
        shade.setColorAt(0, QColor(0xff, 0xf0, 0x90));
        shade.setColorAt(1, QColor(0xe0, 0x9a, 0x10));
        p.setPen(QPen(QColor(0x80, 0x50, 0x00), size / 32.0 + 0.5));
        p.setBrush(shade);
        p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(size * 6 / 10);
        p.setFont(f);
        p.setPen(QColor(0x60, 0x20, 0x00));
        p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, "V");
        icon.addPixmap(pix);
    }
    return icon;
}

} // namespace varnelo
