#include "printing/ui/PrintOutput.h"

#include "core/TextFile.h"
#include "printing/PrintFiles.h"
#include "system/ProgramState.h"
#include "system/SystemPrinting.h"
#include "ui/Avviso.h"
#include "ui/Text.h"

#include <QApplication>
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

PagePainter slipPainter(const ProgramState& state, const SlipJob& job) {
    return [&state, job](QPagedPaintDevice& device) {
        SlipPages pages(device, job);
        forEachSystemColumn(state, [&](const Column& c) {
            pages.add(c);
            return true;
        });
        pages.finish();
    };
}

PagePainter listingPainter(const ProgramState& state, ListingSize size,
                           const ListingSections& sections) {
    return [&state, size, sections](QPagedPaintDevice& device) {
        ListingPages pages(device, size);
        writeSystemListing(
            state, size, sections, [&](const std::string& line) { pages.line(line); },
            [] {
                QApplication::processEvents();
                return true;
            });
        pages.finish();
    };
}

namespace {

// immagini/Cartella.txt: "theme<TAB>file" a line; the theme'th picture.
QImage themePicture(const ProgramState& state, int theme) {
    std::string text, error;
    if (!readTextFile(state.folder.path("immagini/Cartella.txt"), 64 * 1024, text, error))
        return {};
    const auto lines = splitLines(text);
    if (theme < 0 || static_cast<std::size_t>(theme) >= lines.size())
        return {};
    const std::string_view line = lines[static_cast<std::size_t>(theme)];
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos)
        return {};
    const std::string file(trimBlanks(line.substr(tab + 1)));
    return QImage(QString::fromStdString(state.folder.path("immagini/" + file).string()));
}

} // namespace

PagePainter receiptPainter(const ProgramState& state, const SlipPrintSettings& settings,
                           bool picture, std::int64_t costCents) {
    ReceiptContent c;
    std::copy(state.printSettings.couponLayout.begin(), state.printSettings.couponLayout.end(),
              c.shop.begin());
    c.systemName = state.systemName;
    c.columns = std::max<std::int64_t>(state.columns.systemTotal, state.columns.storedCount);
    c.numbers = state.selection.chosenNumbers();
    c.fixed = state.selection.fixedNumbers();
    c.costCents = costCents;
    const QImage image = picture ? themePicture(state, settings.theme) : QImage();
    return [lines = receiptLines(c), colours = settings.receiptColours,
            image](QPagedPaintDevice& device) { paintReceipt(device, lines, colours, image); };
}

bool printPages(QWidget* parent, const ProgramState& state, bool receipt, int copies,
                const PagePainter& paint) {
    const QString wanted = qs(state.printSettings.printer[receipt ? 1 : 0]);
    QPrinterInfo info = QPrinterInfo::printerInfo(wanted);
    if (info.isNull())
        info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        Avviso::ask(printerError(), parent);
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setCopyCount(std::max(1, copies));
    paint(printer);
    if (printer.printerState() == QPrinter::Error) {
        Avviso::ask(printerError(), parent);
        return false;
    }
    return true;
}

void offerPdf(QWidget* parent, const QString& suggestedName, const PagePainter& paint) {
    const QString file = QFileDialog::getSaveFileName(parent, "Salva PDF", suggestedName + ".pdf",
                                                      "Documento PDF (*.pdf)");
    if (file.isEmpty())
        return;
    if (!savePdf(file, paint))
        Avviso::ask(Notice{"Salva PDF", {"Impossibile scrivere il file " + file.toStdString()}},
                    parent);
}

} // namespace varnelo
