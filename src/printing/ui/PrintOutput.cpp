#include "printing/ui/PrintOutput.h"

#include "checking/CostShares.h"
#include "printing/PrintFiles.h"
#include "system/ProgramState.h"
#include "system/SystemPrinting.h"
#include "ui/Avviso.h"
#include "ui/ChildWindow.h"
#include "ui/TaskDialog.h"
#include "ui/Text.h"

#include <QDir>
#include <QFileDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace varnelo {

namespace {

Notice printerError() {
    return Notice{" Errore dalla stampante:",
                  {"     Esiste qualche problema che impedisce di eseguire la stampa.",
                   "     Causa e soluzione dell'errore:",
                   "°  Non e stata istallata nessuna stampante nel sistema.",
                   "            Aggiungere una stampante dalle impostazioni di stampa",
                   "            del sistema (CUPS) e riprovare.", "°  La stampante non e in linea.",
                   "            Accendere la stampante.",
                   "°  La stampante è inceppata oppure la carta e esaurita.",
                   "            Sbloccare la stampante o aggiungere la carta."}};
}

// Columns drawn so far, and whether to go on.
bool counted(PrintJob* print, std::int64_t done) {
    if (!print)
        return true;
    print->progress.report(done);
    return !print->progress.cancelled();
}

void failed(PrintJob* print, std::optional<Notice> failure) {
    if (print && failure) {
        print->failure = std::move(failure);
        print->progress.cancel = true;
    }
}

// Runs `paint` in the background behind the progress window; false, with
// the notice of a failure, when the job did not end.
bool withProgress(ChildWindow& window, const QString& title, const QString& label,
                  const PrintDocument& document,
                  const std::function<void(const PagePainter&, Progress&)>& run) {
    PrintJob job;
    job.progress.total = printedColumns(window.state());
    const PagePainter paint = document(&job);
    TaskDialog::run(
        window.shell(), title, label, job.progress, [&] { run(paint, job.progress); }, "Annulla:");
    if (job.failure)
        Avviso::ask(*job.failure, &window);
    return !job.progress.cancelled();
}

} // namespace

SlipJob slipJobOf(const ProgramState& state, MarkMode mode, int perSlip) {
    SlipJob job;
    std::optional<Notice> ignored;
    if (auto layout = readSlipLayout(state.folder, ignored))
        job.layout = *layout;
    job.shift = readCalibration(state.folder, ignored).shift;
    job.mode = mode;
    job.perSlip = perSlip;
    return job;
}

PagePainter slipPainter(const ProgramState& state, const SlipJob& job, PrintJob* print) {
    return [&state, job, print](QPagedPaintDevice& device) {
        SlipPages pages(device, job);
        std::int64_t done = 0;
        failed(print, forEachSystemColumn(state, [&](const Column& c) {
                   pages.add(c);
                   return ++done % kProgressStep != 0 || counted(print, done);
               }));
        pages.finish();
    };
}

PagePainter listingPainter(const ProgramState& state, ListingSize size,
                           const ListingSections& sections, PrintJob* print, int maxPages) {
    return [&state, size, sections, print, maxPages](QPagedPaintDevice& device) {
        ListingPages pages(device, size);
        std::int64_t done = 0;
        failed(print, writeSystemListing(
                          state, size, sections, [&](const std::string& line) { pages.line(line); },
                          [&] {
                              done += listingBlockColumns(size);
                              return counted(print, done) &&
                                     (maxPages == 0 || pages.pages() < maxPages);
                          }));
        pages.finish();
    };
}

ReceiptPage receiptPage(const ProgramState& state, const SlipPrintSettings& settings, bool picture,
                        int serial) {
    ReceiptContent c;
    std::copy(state.printSettings.couponLayout.begin(), state.printSettings.couponLayout.end(),
              c.shop.begin());
    c.systemName = state.systemName;
    c.columns = printedColumns(state);
    c.numbers = state.selection.chosenNumbers();
    c.fixed = state.selection.fixedNumbers();
    c.costCents =
        systemCostCents(c.columns, state.selection.pairCount(), state.settings.columnPrice);
    ReceiptPage page{receiptLines(c), settings.receiptColours, {}};
    const std::string file = receiptPictureFile(readReceiptPictures(state.folder), settings.theme,
                                                settings.changePicture, serial);
    // A picture that is missing or unreadable leaves the receipt without one.
    if (picture && !file.empty())
        page.picture =
            QImage(QString::fromStdString(state.folder.path("immagini/" + file).string()));
    return page;
}

PagePainter receiptPainter(const ReceiptPage& page) {
    return [page](QPagedPaintDevice& device) {
        paintReceipt(device, page.lines, page.colours, page.picture);
    };
}

bool printPages(ChildWindow& window, bool receipt, int copies, const PrintDocument& document) {
    const QString wanted = qs(window.state().printSettings.printer[receipt ? 1 : 0]);
    QPrinterInfo info = QPrinterInfo::printerInfo(wanted);
    if (info.isNull())
        info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        Avviso::ask(printerError(), &window);
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setCopyCount(std::max(1, copies));
    const bool ended =
        withProgress(window, "Stampa...", "Stampante in corso... " + info.printerName(), document,
                     [&printer](const PagePainter& paint, Progress&) { paint(printer); });
    if (printer.printerState() == QPrinter::Error) {
        Avviso::ask(printerError(), &window);
        return false;
    }
    return ended;
}

void offerPdf(ChildWindow& window, const QString& suggestedName, const PrintDocument& document) {
    const QString file = QFileDialog::getSaveFileName(&window, "Salva PDF",
                                                      QDir::home().filePath(suggestedName + ".pdf"),
                                                      "Documento PDF (*.pdf)");
    if (file.isEmpty())
        return;
    bool saved = false;
    const bool ended = withProgress(window, "Salva PDF", "Scrittura di " + file, document,
                                    [&](const PagePainter& paint, Progress& progress) {
                                        saved = savePdf(file, paint, &progress);
                                    });
    if (ended && !saved)
        Avviso::ask(Notice{"Salva PDF", {"Impossibile scrivere il file " + file.toStdString()}},
                    &window);
}

} // namespace varnelo
