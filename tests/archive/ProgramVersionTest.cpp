#include "archive/ProgramVersion.h"
#include "archive/DownloadAddresses.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

using namespace varnelo;
using namespace varnelo::test;

TEST(ProgramVersion, ReportsWhatTheVersionFileSays) {
    struct Case {
        const char* file;
        const char* running;
        std::vector<std::string> report;
    };
    const Case cases[] = {
        {"0.2 Nuove statistiche\r\n",
         "0.1",
         {"Controllo aggiornamento programma OK.", "È disponibile la versione 0.2 (in uso la 0.1).",
          "Nuove statistiche"}},
        {"0.10",
         "0.9",
         {"Controllo aggiornamento programma OK.",
          "È disponibile la versione 0.10 (in uso la 0.9)."}},
        {"0.1.0\n",
         "0.1",
         {"Controllo aggiornamento programma OK.", "Il programma è aggiornato (versione 0.1)."}},
        {"0.1",
         "0.1.2",
         {"Controllo aggiornamento programma OK.", "Il programma è aggiornato (versione 0.1.2)."}},
        {"",
         "0.1",
         {"Controllo aggiornamento programma non disponibile.",
          "Il file della versione non è valido: \"\"."}},
        {"<html>",
         "0.1",
         {"Controllo aggiornamento programma non disponibile.",
          "Il file della versione non è valido: \"<html>\"."}},
        {"1..2",
         "0.1",
         {"Controllo aggiornamento programma non disponibile.",
          "Il file della versione non è valido: \"1..2\"."}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(versionReport(c.file, c.running), c.report) << c.file;
}

TEST(DownloadAddresses, RoundTripAndMissingFile) {
    TestFolder t;
    EXPECT_EQ(readDownloadAddresses(t.folder()), DownloadAddresses{});
    std::string error;
    const DownloadAddresses a{"https://esempio.it/cambiasn.cgg", ""};
    ASSERT_TRUE(writeDownloadAddresses(t.folder(), a, error)) << error;
    EXPECT_EQ(readDownloadAddresses(t.folder()), a);
    writeFile(t / "enal/collegamento.txt", "  http://a/b  \nhttp://c/d\naltro\n");
    EXPECT_EQ(readDownloadAddresses(t.folder()), (DownloadAddresses{"http://a/b", "http://c/d"}));
}
