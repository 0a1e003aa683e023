#pragma once

#include "core/Notice.h"
#include "core/Progress.h"
#include "printing/ListingReport.h"
#include "printing/PrintFiles.h"
#include "printing/ui/PrintPages.h"
#include "ui/PrintPreview.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace varnelo {

class ChildWindow;
struct ProgramState;

// The job as the print windows start it: the layout and calibration of the
// program folder with the window's mode and columns per slip.
SlipJob slipJobOf(const ProgramState& state, MarkMode mode, int perSlip);

// What a print job shares with its painter: how far it got, the stop
// request, and why it failed (a failure stops the job as "Annulla:" does).
struct PrintJob {
    Progress progress;
    std::optional<Notice> failure;
};

// Every column of the current system on slips, or its listing. With a
// `job` the painter counts the columns drawn and stops when the job is
// cancelled or a column cannot be read; the listing also stops after
// `maxPages` pages (0: no limit).
PagePainter slipPainter(const ProgramState& state, const SlipJob& job, PrintJob* print = nullptr);
PagePainter listingPainter(const ProgramState& state, ListingSize size,
                           const ListingSections& sections, PrintJob* print = nullptr,
                           int maxPages = 0);

// The preview keeps every page it shows in memory: a listing shows its
// first pages there, the printer and the PDF get all of them.
inline constexpr int kPreviewPages = 200;

// The receipt of the current system in the colours of `settings`, with the
// picture of its theme when `picture`; `serial` counts the receipts of the
// job, for a picture that changes on every one.
struct ReceiptPage {
    std::vector<ReceiptLine> lines;
    std::array<std::uint32_t, 11> colours{};
    QImage picture;
};
ReceiptPage receiptPage(const ProgramState& state, const SlipPrintSettings& settings, bool picture,
                        int serial);
PagePainter receiptPainter(const ReceiptPage& page);

// A document of the current system, drawn with the progress of its job.
using PrintDocument = std::function<PagePainter(PrintJob* job)>;

// The printer named in enal/stampante.csv (slips on its first line,
// receipts on its second) or the default one; " Errore dalla stampante:"
// when there is none or the job fails. `copies` copies. While the pages go
// out a window shows how far the job got and offers "Annulla:"; false when
// the job did not end, with the notice of a failure.
bool printPages(ChildWindow& window, bool receipt, int copies, const PrintDocument& document);

// "Salva PDF": asks for a file and writes the pages to it, with the same
// progress window; a stopped job leaves an old file as it was.
void offerPdf(ChildWindow& window, const QString& suggestedName, const PrintDocument& document);

} // namespace varnelo
