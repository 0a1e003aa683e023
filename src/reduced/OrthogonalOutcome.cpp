#include "reduced/OrthogonalOutcome.h"

#include "reduced/ReducedNames.h"

namespace varnelo {

namespace {

constexpr const char* kUnchanged = "Il sistema non cambia.";

std::string guaranteeText(int option) {
    const auto o = orthogonalOption(option);
    return o ? std::to_string(o->g) + " punti con " + std::to_string(o->c) + " estratti" : "";
}

const char* sourceLine(const OrthogonalRun& run) {
    if (run.fullDevelopment)
        return "Garanzia integrale: sviluppo completo";
    return run.fromTable ? "Tabella memorizzata" : "Tabella costruita";
}

} // namespace

OrthogonalOutcome orthogonalOutcome(const OrthogonalRun& run, int option) {
    OrthogonalOutcome out;
    const std::string count = std::to_string(run.columns.size());
    if (run.notice) {
        out.lines.push_back(run.notice->title);
        out.lines.insert(out.lines.end(), run.notice->lines.begin(), run.notice->lines.end());
    } else if (run.stopped) {
        out.lines = {"Interruzione calcolo:", "colonne accettate: " + count};
    } else if (run.columns.empty()) {
        out.lines = {"Nessuna colonna: servono almeno 5 numeri."};
    } else if (!run.guaranteed) {
        out.lines = {sourceLine(run), "Colonne costruite = " + count,
                     "Garanzia NON verificata: " + guaranteeText(option)};
    } else {
        out.lines = {sourceLine(run), "Colonne finali = " + count,
                     "Garanzia verificata: " + guaranteeText(option)};
        out.takeColumns = true;
    }
    if (!out.takeColumns)
        out.lines.push_back(kUnchanged);
    return out;
}

} // namespace varnelo
