#include "app/cli/Commands.h"
#include "app/cli/PrintOptions.h"
#include "printing/PrintFiles.h"
#include "printing/ui/PrintPages.h"
#include "system/SystemPrinting.h"

#include <QGuiApplication>
#include <QPdfWriter>

#include <filesystem>
#include <iostream>
#include <memory>

namespace varnelo::cli {

namespace {

constexpr const char* kUsage =
    "stampa --sistema NOME (--schedine [--per-schedina 1..5] [--modo 1|2|3] | --tabulato "
    "[--carattere 0|1|2] [--sezioni 0,1,2,3,4,5]) --pdf FILE [--cartella DIR]";

// Painting text needs a GUI application; without a display it draws offscreen.
std::unique_ptr<QGuiApplication> guiApplication() {
    if (QGuiApplication::instance())
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "varnelo-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

// The calibration and the layout of the program folder, as the windows print.
SlipJob slipJob(const ProgramState& state, const PrintRequest& r) {
    SlipJob job;
    std::optional<Notice> notice;
    if (auto layout = readSlipLayout(state.folder, notice))
        job.layout = *layout;
    job.shift = readCalibration(state.folder, notice).shift;
    if (notice)
        printNotice(*notice);
    job.mode = r.mode;
    job.perSlip = r.perSlip;
    return job;
}

std::optional<Notice> printSlips(const ProgramState& state, const PrintRequest& r,
                                 QPdfWriter& pdf) {
    const std::int64_t total = std::max(state.columns.systemTotal, state.columns.storedCount);
    if (auto refused = tooManySlips(total, r.perSlip))
        return refused;
    SlipPages pages(pdf, slipJob(state, r));
    auto failure = forEachSystemColumn(state, [&](const Column& c) {
        pages.add(c);
        return true;
    });
    pages.finish();
    return failure;
}

int run(const std::vector<std::string>& args) {
    PrintRequest r;
    if (!parsePrintRequest(args,
                           {"--sistema", "--schedine", "--tabulato", "--per-schedina", "--modo",
                            "--carattere", "--sezioni", "--pdf"},
                           r) ||
        r.slips == r.listing || r.pdf.empty()) {
        std::cerr << "Uso: varnelo-cli " << kUsage << '\n';
        return kBadInput;
    }
    ProgramState state{ProgramFolder(r.folder)};
    if (!openPrintedSystem(state, r))
        return 1;
    const auto app = guiApplication();
    // An existing PDF is replaced only by a whole new one.
    const std::filesystem::path target(r.pdf);
    const std::filesystem::path partial =
        target.parent_path() / ("." + target.filename().string() + ".parziale");
    std::optional<Notice> failure;
    {
        QPdfWriter pdf(QString::fromStdString(partial.string()));
        pdf.setResolution(1200);
        pdf.setCreator("Varnelo");
        if (r.slips) {
            failure = printSlips(state, r, pdf);
        } else {
            ListingPages pages(pdf, r.size);
            failure = writeSystemListing(
                state, r.size, r.sections, [&](const std::string& line) { pages.line(line); },
                [] { return true; });
            pages.finish();
        }
    }
    std::error_code ec;
    if (!failure && (std::filesystem::file_size(partial, ec) == 0 || ec ||
                     (std::filesystem::rename(partial, target, ec), ec)))
        failure = Notice{"Errore", {"Impossibile scrivere il file " + r.pdf}};
    if (failure) {
        std::filesystem::remove(partial, ec);
        printNotice(*failure);
        return 1;
    }
    return kOk;
}

const bool registered = registerCommand({"stampa", kUsage, run});

} // namespace

} // namespace varnelo::cli
