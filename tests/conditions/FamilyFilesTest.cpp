#include "conditions/FamilyFiles.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace varnelo;

namespace {

// A program folder with the folders the family files live in.
struct Folder : test::TestFolder {
    Folder() : TestFolder({"enal", "picchetto", "andor"}) {}
    void put(const std::string& relative, const std::string& bytes) const {
        test::writeFile(root / relative, bytes);
    }
    std::string get(const std::string& relative) const { return test::readFile(root / relative); }
};

} // namespace

TEST(FamilyFiles, PicchettiAndSumQuadri) {
    Folder f;
    const ProgramFolder pf = f.folder();
    PicchettoTable t;
    EXPECT_FALSE(loadPicchetti(pf, t)) << "a missing file changes nothing";
    t.setValue(2, 7, 1234);
    ASSERT_FALSE(savePicchetti(pf, t));
    PicchettoTable back;
    ASSERT_FALSE(loadPicchetti(pf, back));
    EXPECT_EQ(back, t);
    f.put("picchetto/picchetto.txt", std::string("\x00\x01\xff garbage", 11));
    EXPECT_TRUE(loadPicchetti(pf, back));
    EXPECT_EQ(back, t);

    SumQuadro q;
    q.rows.resize(1);
    q.rows[0].setNumber(9, true);
    q.rows[0].slots[0].admitted = {100, 200};
    ASSERT_FALSE(saveConfirmedSums(pf, q, true));
    EXPECT_EQ(f.get("picchetto/salvpicchetto.txt").substr(0, 5), "1 1\r\n");
    SumQuadro read;
    bool active = false;
    ASSERT_FALSE(loadConfirmedSums(pf, read, active));
    EXPECT_EQ(read, q);
    EXPECT_TRUE(active);

    EXPECT_FALSE(namedSumsExist(pf, "mio quadro"));
    ASSERT_FALSE(saveNamedSums(pf, "mio quadro", q, false));
    EXPECT_TRUE(namedSumsExist(pf, "mio quadro"));
    EXPECT_TRUE(saveNamedSums(pf, "../fuori", q, false)) << "a name leaves no folder";
    EXPECT_FALSE(std::filesystem::exists(f.root / "fuori.txt"));
    EXPECT_TRUE(saveNamedSums(pf, "vuoto", SumQuadro{}, false));
    f.put("picchetto/rotto.txt", "2 1\r\n5\r\n");
    SumQuadro keep = q;
    EXPECT_TRUE(loadNamedSums(pf, "rotto", keep, active));
    EXPECT_EQ(keep, q);
    EXPECT_EQ(replaceFileQuestion("mio quadro.txt", "mio quadro").lines.back(),
              "Sostituire il file?");
}

// The named quadri share picchetto/ with the program's own two files: those
// are neither listed for import nor overwritten by a quadro.
TEST(FamilyFiles, NamedQuadriLeaveTheProgramFilesAlone) {
    Folder f;
    const ProgramFolder pf = f.folder();
    SumQuadro q;
    q.rows.resize(1);
    q.rows[0].slots[0].admitted = {100, 200};
    ASSERT_FALSE(savePicchetti(pf, PicchettoTable{}));
    ASSERT_FALSE(saveConfirmedSums(pf, q, true));
    ASSERT_FALSE(saveNamedSums(pf, "zeta", q, true));
    ASSERT_FALSE(saveNamedSums(pf, "alfa", q, true));
    f.put("picchetto/note.csv", "x");
    EXPECT_EQ(namedSumQuadri(pf), (std::vector<std::string>{"alfa", "zeta"}));
    const std::string picchetti = f.get("picchetto/picchetto.txt");
    for (const char* reserved : {"picchetto", "SalvPicchetto"})
        EXPECT_TRUE(saveNamedSums(pf, reserved, q, true)) << reserved;
    EXPECT_EQ(f.get("picchetto/picchetto.txt"), picchetti);
}

TEST(FamilyFiles, DistInVert) {
    Folder f;
    const ProgramFolder pf = f.folder();
    int k = 5;
    ASSERT_FALSE(loadComparisonDraws(pf, k));
    EXPECT_EQ(k, 5);
    EXPECT_TRUE(std::filesystem::exists(f.root / "enal/DistInVert.txt")) << "created empty";
    ASSERT_FALSE(saveComparisonDraws(pf, 9));
    ASSERT_FALSE(loadComparisonDraws(pf, k));
    EXPECT_EQ(k, 9);
    f.put("enal/DistInVert.txt", "12\r\n");
    ASSERT_FALSE(loadComparisonDraws(pf, k));
    EXPECT_EQ(k, 11);
    for (const char* bad : {"sette\r\n", "\xff\xfe", "x 5"}) {
        f.put("enal/DistInVert.txt", bad);
        const auto notice = loadComparisonDraws(pf, k);
        ASSERT_TRUE(notice) << bad;
        EXPECT_NE(notice->lines.front().find("DistInVert.txt"), std::string::npos);
        EXPECT_EQ(k, 11) << bad;
    }
    f.put("enal/DistInVert.txt", "  \r\n");
    EXPECT_FALSE(loadComparisonDraws(pf, k));
    EXPECT_EQ(k, 11);
}

TEST(FamilyFiles, AndOrAndFilterLists) {
    Folder f;
    const ProgramFolder pf = f.folder();
    AndOrSet s;
    s.quadri[2].name = "terzo";
    s.quadri[2].columns = {{std::uint64_t{1} << 4, 0b10}};
    ASSERT_FALSE(saveAndOr(pf, s));
    AndOrSet back;
    ASSERT_FALSE(loadAndOr(pf, back));
    EXPECT_EQ(back, s);
    f.put("andor/AndOr.txt", std::string(9u << 20, '1'));
    EXPECT_TRUE(loadAndOr(pf, back)) << "oversized";
    EXPECT_EQ(back, s);

    const CarFile car = quadroToCar(s.quadri[2]);
    ASSERT_FALSE(saveCar(pf, "lista", car));
    ASSERT_FALSE(saveCac(pf, "numeri", car.columns));
    CarFile carBack;
    ASSERT_FALSE(loadCar(pf, "lista", carBack));
    EXPECT_EQ(carBack, car);
    std::vector<ListColumn> cols;
    ASSERT_FALSE(loadCac(pf, "numeri", cols));
    ASSERT_EQ(cols.size(), 1u);
    EXPECT_EQ(cols[0].numbers, std::vector<std::uint8_t>{4});
    EXPECT_EQ(filterFiles(pf, ".car"), std::vector<std::string>{"lista"});
    EXPECT_EQ(filterFiles(pf, ".cac"), std::vector<std::string>{"numeri"});
    EXPECT_TRUE(filterFileExists(pf, "lista", ".car"));
}
