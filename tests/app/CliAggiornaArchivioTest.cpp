#include "support/ArchiveLines.h"
#include "support/RunCli.h"

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace varnelo;
using namespace varnelo::test;

namespace {

struct Folder {
    TestFolder t;
    std::string archive = crlfText(masterLines(1, 3000));
    Folder() { writeFile(t / "enal/archivio.cna", archive); }
    CliResult run(const std::string& args) const {
        return runCli("aggiorna-archivio " + args + " --cartella " + t.root.string());
    }
    std::string current() const { return readFile(t / "enal/archivio.cna"); }
};

// A loopback port nobody listens on.
int closedPort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    ::bind(s, reinterpret_cast<sockaddr*>(&a), len);
    ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
    ::close(s);
    return ntohs(a.sin_port);
}

} // namespace

TEST(CliAggiornaArchivio, UpdatesFromABlockFile) {
    const Folder f;
    writeFile(f.t / "blocco.cgg", crlfText(masterLines(2651, 400)));
    const CliResult r = f.run("--file " + (f.t / "blocco.cgg").string());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Aggiornamento effettuato regolarmente dell'archivio (Colonne vincenti).\n"
                     "Estrazioni nuove: 50\n");
    EXPECT_EQ(f.current(), crlfText(masterLines(1, 3050)));
    EXPECT_TRUE(std::filesystem::exists(f.t / "blocco.cgg"));
}

TEST(CliAggiornaArchivio, ExitStatusSaysWhetherTheArchiveIsCurrent) {
    struct Case {
        std::string block;
        int status;
        const char* out;
    };
    auto bad = masterLines(2651, 400);
    bad[120] = "05-08-21-37-46";
    const Case cases[] = {
        {crlfText(masterLines(2990, 11)), 0, "Aggiornamento non disponibile.\n"},
        {crlfText(bad), 1, "Non valida la riga 121 del blocco scaricato"},
        {crlfText(masterLines(3005, 5)), 1, "non si collega"},
    };
    for (const Case& c : cases) {
        const Folder f;
        writeFile(f.t / "blocco.cgg", c.block);
        const CliResult r = f.run("--file " + (f.t / "blocco.cgg").string());
        EXPECT_EQ(r.status, c.status) << c.out;
        EXPECT_NE(r.out.find(c.out), std::string::npos) << r.out;
        EXPECT_EQ(f.current(), f.archive);
    }
}

TEST(CliAggiornaArchivio, AFailedDownloadLeavesTheArchive) {
    const Folder f;
    for (const std::string& url : {"http://127.0.0.1:" + std::to_string(closedPort()) + "/blocco",
                                   std::string("ftp://x/y")}) {
        const CliResult r = f.run("--da " + url + " --attesa 5");
        EXPECT_EQ(r.status, 1) << url;
        EXPECT_NE(r.out.find("Download non riuscito:"), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("Archivio non scaricato.\n"), std::string::npos) << r.out;
        EXPECT_EQ(f.current(), f.archive);
        EXPECT_FALSE(std::filesystem::exists(f.t / "enal/cambiasn.cgg"));
    }
}

TEST(CliAggiornaArchivio, WrongUseIsBadInput) {
    const Folder f;
    for (const char* args :
         {"", "--da http://x --file y", "--file", "--attesa 0 --file y", "--sconosciuta 1"}) {
        const CliResult r = f.run(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(f.current(), f.archive);
    }
}

TEST(CliAggiornaArchivio, AMissingBlockFileIsRefused) {
    const Folder f;
    const CliResult r = f.run("--file " + (f.t / "manca.cgg").string());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(f.current(), f.archive);
}
