#include "core/ProgramFolder.h"
#include "support/TestFolder.h"
#include "system/ProgramState.h"
#include "system/SystemName.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace varnelo;
using test::TestFolder;

TEST(ProgramFolder, SeedsAnEmptyFolderWithEverySubfolder) {
    const TestFolder tmp{TestFolder::Bare{}};
    const fs::path shipped = tmp.root / "data";
    test::writeFile(shipped / "enal" / "archivio.cna", "01-02-03-04-05-01-02 x\n");
    test::writeFile(shipped / "qor" / ".gitkeep", "");
    ProgramFolder folder(tmp.root / "utente");
    std::string error;
    ASSERT_TRUE(folder.ensureSeeded(shipped, error)) << error;
    for (const auto& name : ProgramFolder::subfolders())
        EXPECT_TRUE(fs::is_directory(tmp.root / "utente" / name)) << name;
    EXPECT_TRUE(fs::exists(tmp.root / "utente" / "enal" / "archivio.cna"));
    EXPECT_FALSE(fs::exists(tmp.root / "utente" / "qor" / ".gitkeep"));
}

TEST(ProgramFolder, NeverOverwritesAUsedFolder) {
    const TestFolder tmp{TestFolder::Bare{}};
    const fs::path shipped = tmp.root / "data";
    test::writeFile(shipped / "enal" / "archivio.cna", "nuovo\n");
    test::writeFile(tmp.root / "utente" / "enal" / "archivio.cna", "mio\n");
    ProgramFolder folder(tmp.root / "utente");
    std::string error;
    ASSERT_TRUE(folder.ensureSeeded(shipped, error));
    EXPECT_EQ(test::fileLines(tmp.root / "utente" / "enal" / "archivio.cna").at(0), "mio");
    EXPECT_TRUE(fs::is_directory(tmp.root / "utente" / "ridotti")); // missing ones are added
}

TEST(ProgramFolder, FindsFilesWhateverTheirCase) {
    const TestFolder tmp{TestFolder::Bare{}};
    test::writeFile(tmp.root / "Enal" / "Cedolina.txt", "1\n");
    ProgramFolder folder(tmp.root);
    EXPECT_EQ(folder.path("enal\\cedolina.txt"), tmp.root / "Enal" / "Cedolina.txt");
    EXPECT_EQ(folder.path("enal/nuovo.txt"), tmp.root / "Enal" / "nuovo.txt");
    EXPECT_EQ(folder.path("qor/qor1.sse"), tmp.root / "qor" / "qor1.sse");
}

TEST(ProgramFolder, FirstFreeDefaultSystemName) {
    const TestFolder tmp{TestFolder::Bare{}};
    ProgramFolder folder(tmp.root);
    EXPECT_EQ(firstFreeSystemName(folder), "qor1");
    test::writeFile(tmp.root / "qor" / "qor1.sse", "");
    test::writeFile(tmp.root / "qor" / "qor3.sse", "");
    EXPECT_EQ(firstFreeSystemName(folder), "qor2");
    ProgramState state(folder);
    EXPECT_EQ(state.caption(), "Programma del Varnelo   ...Nome sistema = qor2.cna");
    EXPECT_EQ(state.finalCountText(), "Colonne finali = 0");
}
