#include "core/SettingsFiles.h"
#include "core/TextFile.h"
#include "support/TestFolder.h"

using namespace varnelo;
using namespace varnelo::test;

TEST(SettingsFiles, MissingFilesKeepEveryDefaultQuietly) {
    TestFolder t;
    SettingsFiles s;
    s.program.columnPrice = 9;
    EXPECT_TRUE(loadSettingsFiles(t.folder(), s).empty());
    EXPECT_EQ(s, SettingsFiles{});
    EXPECT_EQ(s.program.columnPrice, 0.50);
}

TEST(SettingsFiles, WindowTableNegativeAndShortFile) {
    TestFolder t;
    writeFile(t / "enal/quadri.csv", "100\r\n-50\r\nabc\r\n300");
    SettingsFiles s;
    loadSettingsFiles(t.folder(), s);
    EXPECT_EQ(s.windows.value(1), 100);
    EXPECT_EQ(s.windows.value(2), 0);
    EXPECT_EQ(s.windows.value(3), 0);
    EXPECT_EQ(s.windows.value(4), 300);
    EXPECT_EQ(s.windows.value(120), 0);
    writeFile(t / "enal/quadri.csv", "");
    loadSettingsFiles(t.folder(), s);
    EXPECT_EQ(s.windows, WindowPositions{});
    // An empty table opens every window at the top left corner.
    EXPECT_EQ(s.windows.placement(29, 19200, 14400), std::make_pair(0, 0));
}

TEST(SettingsFiles, AWindowLeftNearTheScreenEdgeReopensAtItsOldPlace) {
    WindowPositions w;
    const int screenW = 19200, screenH = 14400;
    w.remember(29, 3000, 2000, screenW, screenH);
    EXPECT_EQ(w.value(29), 3000);
    EXPECT_EQ(w.value(30), 2000);
    w.remember(29, screenW - 1400, 2500, screenW, screenH); // within 1500 of the right edge
    w.remember(29, 4000, screenH - 1000, screenW, screenH); // within 2000 of the bottom
    w.remember(29, 30000, 30000, screenW, screenH);         // off the screen
    EXPECT_EQ(w.placement(29, screenW, screenH), std::make_pair(3000, 2000));
    // A stored place that a smaller screen cannot show keeps the designed place.
    w.set(31, 15000);
    w.set(32, 100);
    EXPECT_FALSE(w.placement(31, 12000, 9000).has_value());
    EXPECT_TRUE(w.placement(31, 19200, 9000).has_value());
}

TEST(SettingsFiles, EverythingWrittenAtShutdownReadsBack) {
    TestFolder t;
    SettingsFiles s;
    for (int i = 1; i <= WindowPositions::kEntries; ++i)
        s.windows.set(i, i * 15);
    s.print.printer = {"HP LaserJet", "2", "0", "1"};
    s.print.couponOutput = {"1", "0", "1"};
    s.print.couponLayout = {"1", "2", "3", "4", "5", "6", "7", "8"};
    s.program.columnPrice = 1.25;
    s.program.displayOptions = 3;
    s.program.saveColumns = false;
    s.program.endWarning = true;
    s.program.warningSound = 1;
    s.program.contestNumber = 77;
    s.program.shuffle = true;
    s.program.recalcFlag1 = 1;
    s.program.recalcFlag2 = 1;
    s.program.unusedLine = "x";
    s.program.slipLayout = "Schedina à";
    s.program.slipFormat = 1;
    s.program.printOption = -1;
    // An existing file with another case is rewritten, not doubled.
    writeFile(t / "enal/Cedolina.txt", "");
    EXPECT_TRUE(saveSettingsFiles(t.folder(), s).empty());
    std::optional<Notice> notice;
    ASSERT_TRUE(saveProgramSettings(t.folder(), s.program, notice));
    EXPECT_FALSE(std::filesystem::exists(t / "enal/cedolina.txt"));
    EXPECT_EQ(fileLines(t / "enal/quadri.csv").size(), 120u);
    EXPECT_EQ(fileLines(t / "enal/varie.csv").size(), 13u);
    SettingsFiles back;
    EXPECT_TRUE(loadSettingsFiles(t.folder(), back).empty());
    EXPECT_EQ(back, s);
}

TEST(SettingsFiles, ProgramSettingsValuesOutOfRange) {
    TestFolder t;
    writeFile(t / "enal/varie.csv", "0\r\n7\r\nTrue\r\n#FALSE#\r\n1\r\n900\r\n");
    std::vector<Notice> notices;
    const ProgramSettings p = loadProgramSettings(t.folder(), notices);
    EXPECT_EQ(p.columnPrice, 0.50);
    EXPECT_EQ(p.displayOptions, 0); // 7 is no value of the word
    EXPECT_TRUE(p.saveColumns);
    EXPECT_FALSE(p.endWarning);
    EXPECT_EQ(p.warningSound, 1);
    EXPECT_EQ(p.contestNumber, 500);
    writeFile(t / "enal/varie.csv", "0,75\r\n2\r\n0\r\n1\r\n0\r\n0\r\n");
    const ProgramSettings q = loadProgramSettings(t.folder(), notices);
    EXPECT_EQ(q.columnPrice, 0.75);
    EXPECT_EQ(q.displayOptions, 2);
    EXPECT_FALSE(q.saveColumns);
    EXPECT_EQ(q.contestNumber, 1);
    EXPECT_TRUE(notices.empty());
}
