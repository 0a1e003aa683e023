#pragma once

#include "printing/ListingReport.h"
#include "printing/PrintFiles.h"
#include "printing/ui/PrintPages.h"
#include "ui/PrintPreview.h"

#include <QString>

class QWidget;

namespace varnelo {

struct ProgramState;

// The job as the print windows start it: the layout and calibration of the
// program folder with the window's mode and columns per slip.
SlipJob slipJobOf(const ProgramState& state, MarkMode mode, int perSlip);

// Every column of the current system on slips, or its listing.
PagePainter slipPainter(const ProgramState& state, const SlipJob& job);
PagePainter listingPainter(const ProgramState& state, ListingSize size,
                           const ListingSections& sections);

// The receipt of the current system in the colours of `settings`, with the
// picture of its theme when `picture` (none when the file is missing).
PagePainter receiptPainter(const ProgramState& state, const SlipPrintSettings& settings,
                           bool picture, std::int64_t costCents);

// The printer named in enal/stampante.csv (slips on its first line,
// receipts on its second) or the default one; " Errore dalla stampante:"
// when there is none or the job fails. `copies` copies.
bool printPages(QWidget* parent, const ProgramState& state, bool receipt, int copies,
                const PagePainter& paint);

// "Salva PDF": asks for a file and writes the pages to it.
void offerPdf(QWidget* parent, const QString& suggestedName, const PagePainter& paint);

} // namespace varnelo
