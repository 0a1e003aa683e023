#include "ui/PrintPreview.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace varnelo {

void showPrintPreview(QWidget* parent, const QString& title, const PagePainter& paint) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter* p) { paint(*p); });
    preview.resize(900, 700);
    preview.exec();
}

bool savePdf(const QString& file, const PagePainter& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    paint(printer);
    return QFileInfo(file).size() > 0;
}

PagePainter textPages(const QString& heading, const QStringList& lines) {
    return [heading, lines](QPagedPaintDevice& device) {
        QPainter painter;
        if (!painter.begin(&device))
            return;
        QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(9);
        painter.setFont(font);
        const QRect page = painter.viewport();
        const int line = painter.fontMetrics().lineSpacing();
        const int perPage = std::max(1, page.height() / line - 3);
        const int pages = std::max<qsizetype>(1, (lines.size() + perPage - 1) / perPage);
        for (int p = 0; p < pages; ++p) {
            if (p > 0)
                device.newPage();
            int y = line;
            QFont bold = font;
            bold.setBold(true);
            painter.setFont(bold);
            painter.drawText(0, y, heading);
            painter.drawText(QRect(0, 0, page.width(), line), Qt::AlignRight,
                             QString("Pagina %1 di %2").arg(p + 1).arg(pages));
            painter.setFont(font);
            y += 2 * line;
            for (int i = p * perPage; i < lines.size() && i < (p + 1) * perPage; ++i) {
                painter.drawText(0, y, lines[static_cast<int>(i)]);
                y += line;
            }
        }
        painter.end();
    };
}

} // namespace varnelo
