#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace varnelo {

// Draws a document page by page on any paged device: a printer, the print
// preview or a PDF file.
using PagePainter = std::function<void(QPagedPaintDevice& device)>;

// "Anteprima di stampa": the preview of the document, from which it can be
// printed; returns when the preview closes.
void showPrintPreview(QWidget* parent, const QString& title, const PagePainter& paint);

// The document written as a PDF file; false when the file cannot be written.
bool savePdf(const QString& file, const PagePainter& paint);

// A painter of plain text pages: the heading on top of every page, then the
// lines in a fixed-pitch font, as many per page as fit, pages numbered.
PagePainter textPages(const QString& heading, const QStringList& lines);

} // namespace varnelo
