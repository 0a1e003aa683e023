#include "checking/ui/PrizeSheetPage.h"

#include "ui/Text.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

namespace varnelo {

namespace {

QFont sheetFont(int points, bool bold = false, bool italic = false) {
    // The sheet's own font name; where it is missing a sans-serif stands in.
    QFont f("Ariel");
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

// Draws one centred line at y and returns the y below it.
int centred(QPainter& p, const QRect& page, int y, const QString& text, const QFont& font) {
    p.setFont(font);
    const int height = p.fontMetrics().lineSpacing();
    p.drawText(QRect(page.left(), y, page.width(), height), Qt::AlignHCenter | Qt::AlignTop, text);
    return y + height;
}

} // namespace

PagePainter prizeSheetPage(const PrizeSheet& sheet) {
    const PrizeSheetLines lines = prizeSheetLines(sheet);
    return [lines](QPagedPaintDevice& device) {
        QPainter p;
        if (!p.begin(&device))
            return;
        const QRect full = p.viewport();
        const int margin = full.width() / 14;
        const QRect page = full.adjusted(margin, margin, -margin, -margin);

        int y = page.top();
        y = centred(p, page, y, qs(lines.heading), sheetFont(48, true));
        y = centred(p, page, y, "Realizzate in questa Ricevitoria!!!", sheetFont(22, false, true));
        y = centred(p, page, y, qs(lines.date), sheetFont(18));

        p.setFont(sheetFont(16));
        const int line = p.fontMetrics().lineSpacing();
        y += line;
        for (const std::string& address : lines.address) {
            p.drawText(QRect(page.left(), y, page.width(), line), Qt::AlignLeft, qs(address));
            y += line;
        }
        const int dash = std::max(1, p.fontMetrics().horizontalAdvance('-'));
        p.drawText(QRect(page.left(), y, page.width(), line), Qt::AlignLeft,
                   QString(page.width() / dash, '-'));
        y += 2 * line;

        p.setFont(sheetFont(24, true));
        const int row = p.fontMetrics().lineSpacing() * 2;
        const int countRight = page.left() + page.width() * 2 / 5;
        for (std::size_t r = 0; r < kPrizeRows; ++r) {
            p.drawText(QRect(page.left(), y, page.width() / 5, row), Qt::AlignLeft,
                       qs(lines.label[r]));
            p.drawText(QRect(page.left(), y, countRight - page.left(), row), Qt::AlignRight,
                       qs(lines.wins[r]));
            p.drawText(QRect(countRight, y, page.right() - countRight, row), Qt::AlignRight,
                       qs(lines.amount[r]));
            y += row;
        }

        p.setFont(sheetFont(26, true));
        const int closing = p.fontMetrics().lineSpacing();
        centred(p, page, std::max(y + closing, page.bottom() - 2 * closing),
                "Per Vincere bisogna Giocare!!!", sheetFont(26, true));
        p.end();
    };
}

} // namespace varnelo
