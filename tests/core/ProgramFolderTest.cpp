#include "core/ProgramFolder.h"
#include "support/TestFolder.h"
#include "system/ProgramState.h"
#include "system/SystemName.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;
using namespace varnelo;

namespace {

// An empty folder of the test's own: the layouts below are the tests' own.
struct TempDir {
    test::TestFolder folder{test::TestFolder::Bare{}};
    const fs::path& path = folder.root;
};

} // namespace

TEST(ProgramFolder, SeedsAnEmptyFolderWithEverySubfolder) {
    TempDir tmp;
    const fs::path shipped = tmp.path / "data";
    test::writeFile(shipped / "enal" / "archivio.cna", "01-02-03-04-05-01-02 x\n");
    fs::create_directories(shipped / "qor");
    std::ofstream(shipped / "qor" / ".gitkeep");
    ProgramFolder folder(tmp.path / "utente");
    std::string error;
    ASSERT_TRUE(folder.ensureSeeded(shipped, error)) << error;
    for (const auto& name : ProgramFolder::subfolders())
        EXPECT_TRUE(fs::is_directory(tmp.path / "utente" / name)) << name;
    EXPECT_TRUE(fs::exists(tmp.path / "utente" / "enal" / "archivio.cna"));
    EXPECT_FALSE(fs::exists(tmp.path / "utente" / "qor" / ".gitkeep"));
}

TEST(ProgramFolder, NeverOverwritesAUsedFolder) {
    TempDir tmp;
    const fs::path shipped = tmp.path / "data";
    test::writeFile(shipped / "enal" / "archivio.cna", "nuovo\n");
    test::writeFile(tmp.path / "utente" / "enal" / "archivio.cna", "mio\n");
    ProgramFolder folder(tmp.path / "utente");
    std::string error;
    ASSERT_TRUE(folder.ensureSeeded(shipped, error));
    std::ifstream in(tmp.path / "utente" / "enal" / "archivio.cna");
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "mio");
    EXPECT_TRUE(fs::is_directory(tmp.path / "utente" / "ridotti")); // missing ones are added
}

TEST(ProgramFolder, FindsFilesWhateverTheirCase) {
    TempDir tmp;
    test::writeFile(tmp.path / "Enal" / "Cedolina.txt", "1\n");
    ProgramFolder folder(tmp.path);
    EXPECT_EQ(folder.path("enal\\cedolina.txt"), tmp.path / "Enal" / "Cedolina.txt");
    EXPECT_EQ(folder.path("enal/nuovo.txt"), tmp.path / "Enal" / "nuovo.txt");
    EXPECT_EQ(folder.path("qor/qor1.sse"), tmp.path / "qor" / "qor1.sse");
}

TEST(ProgramFolder, FirstFreeDefaultSystemName) {
    TempDir tmp;
    ProgramFolder folder(tmp.path);
    EXPECT_EQ(firstFreeSystemName(folder), "qor1");
    test::writeFile(tmp.path / "qor" / "qor1.sse", "");
    test::writeFile(tmp.path / "qor" / "qor3.sse", "");
    EXPECT_EQ(firstFreeSystemName(folder), "qor2");
    ProgramState state(folder);
    EXPECT_EQ(state.caption(), "Programma del Varnelo   ...Nome sistema = qor2.cna");
    EXPECT_EQ(state.finalCountText(), "Colonne finali = 0");
}
