#include "ui/PrintPreview.h"

#include "core/AtomicWriter.h"

#include <QFontDatabase>
#include <QIODevice>
#include <QPainter>
#include <QPdfWriter>
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

namespace {

// The bytes of the PDF as the writer makes them, into the temporary file
// that takes the place of the old PDF only once the document is whole.
class AtomicDevice : public QIODevice {
  public:
    explicit AtomicDevice(AtomicWriter& writer) : writer_(writer) {}
    qint64 written() const { return written_; }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        if (!writer_.write({data, static_cast<std::size_t>(size)}))
            return -1;
        written_ += size;
        return size;
    }

  private:
    AtomicWriter& writer_;
    qint64 written_ = 0;
};

} // namespace

bool savePdf(const QString& file, const PagePainter& paint, const Progress* progress) {
    AtomicWriter writer(file.toStdString());
    if (!writer.open())
        return false;
    AtomicDevice device(writer);
    device.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&device);
        pdf.setResolution(1200);
        pdf.setCreator("Varnelo");
        pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        paint(pdf);
    }
    device.close();
    if (device.written() == 0 || (progress && progress->cancelled()))
        return false;
    return writer.commit();
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
