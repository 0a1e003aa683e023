#pragma once

#include "core/Progress.h"

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

// The document written as a PDF file, which takes the place of an old one
// only when whole: false, and the old file untouched, when nothing could be
// drawn, the file cannot be written or `progress` was cancelled.
bool savePdf(const QString& file, const PagePainter& paint, const Progress* progress = nullptr);

// A painter of plain text pages: the heading on top of every page, then the
// lines in a fixed-pitch font, as many per page as fit, pages numbered.
PagePainter textPages(const QString& heading, const QStringList& lines);

} // namespace varnelo
