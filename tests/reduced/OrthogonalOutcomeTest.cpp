#include "reduced/OrthogonalOutcome.h"
#include "support/Columns.h"

#include <gtest/gtest.h>

using namespace varnelo;
using varnelo::test::col;

namespace {

OrthogonalRun finished(bool fromTable, bool full, bool guaranteed) {
    OrthogonalRun run;
    run.code = full ? "R0N00F0G00V00" : "O5N12F0G34V01";
    run.fromTable = fromTable;
    run.fullDevelopment = full;
    run.guaranteed = guaranteed;
    run.columns = {col(1, 2, 3, 4, 5), col(6, 7, 8, 9, 10)};
    return run;
}

} // namespace

// Only a finished list with its guarantee checked reaches the system, and
// the text never claims a guarantee that was not verified.
TEST(OrthogonalOutcome, SaysWhatHappenedAndWhetherTheSystemChanges) {
    OrthogonalRun stopped = finished(false, false, false);
    stopped.stopped = true;
    OrthogonalRun damaged;
    damaged.code = "O5N12F0G34V01";
    damaged.notice = Notice{"Ridotto manomesso:", {"Nome ridotto = O5N12F0G34V01"}};
    OrthogonalRun tooFew;
    const struct {
        const char* name;
        OrthogonalRun run;
        int option;
        std::vector<std::string> lines;
        bool take;
    } cases[] = {
        {"tabella",
         finished(true, false, true),
         4,
         {"Tabella memorizzata", "Colonne finali = 2",
          "Garanzia verificata: 3 punti con 4 estratti"},
         true},
        {"costruita",
         finished(false, false, true),
         9,
         {"Tabella costruita", "Colonne finali = 2", "Garanzia verificata: 1 punti con 2 estratti"},
         true},
        {"integrale",
         finished(false, true, true),
         6,
         {"Garanzia integrale: sviluppo completo", "Colonne finali = 2",
          "Garanzia verificata: 1 punti con 4 estratti"},
         true},
        {"non verificata",
         finished(false, false, false),
         1,
         {"Tabella costruita", "Colonne costruite = 2",
          "Garanzia NON verificata: 4 punti con 4 estratti", "Il sistema non cambia."},
         false},
        {"interrotta",
         stopped,
         5,
         {"Interruzione calcolo:", "colonne accettate: 2", "Il sistema non cambia."},
         false},
        {"manomesso",
         damaged,
         4,
         {"Ridotto manomesso:", "Nome ridotto = O5N12F0G34V01", "Il sistema non cambia."},
         false},
        {"pochi numeri",
         tooFew,
         4,
         {"Nessuna colonna: servono almeno 5 numeri.", "Il sistema non cambia."},
         false},
    };
    for (const auto& k : cases) {
        const OrthogonalOutcome out = orthogonalOutcome(k.run, k.option);
        EXPECT_EQ(out.lines, k.lines) << k.name;
        EXPECT_EQ(out.takeColumns, k.take) << k.name;
    }
}
