#include "core/MidiFiles.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

using namespace varnelo;
using namespace varnelo::test;

TEST(MidiFiles, ListsTheMusicFilesByName) {
    TestFolder dir({"midi"});
    for (const char* name : {"valzer.mid", "Allegro.MID", "note.txt", "mid", "brano.midi"})
        writeFile(dir / "midi" / name, "MThd");
    std::filesystem::create_directories(dir / "midi/cartella.mid");
    EXPECT_EQ(midiFiles(dir.folder()), (std::vector<std::string>{"Allegro.MID", "valzer.mid"}));
    EXPECT_TRUE(midiFiles(TestFolder(TestFolder::Bare{}, "vuota").folder()).empty());
}

TEST(MidiFiles, SynthArgumentsChooseTheDriver) {
    const struct {
        const char* driver;
        std::vector<std::string> args;
    } cases[] = {
        {"", {"-n", "-i", "-q", "font.sf2", "a.mid"}},
        {"alsa", {"-n", "-i", "-q", "-a", "alsa", "font.sf2", "a.mid"}},
        {"file",
         {"-n", "-i", "-q", "-a", "file", "-o", "audio.file.name=/dev/null", "font.sf2", "a.mid"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(synthArguments("font.sf2", "a.mid", c.driver), c.args) << c.driver;
}

// The tune we ship is a standard MIDI file of one track.
TEST(MidiFiles, TheShippedTuneIsAMidiFile) {
    const ProgramFolder shipped(VARNELO_SOURCE_DATA_DIR);
    ASSERT_EQ(midiFiles(shipped), std::vector<std::string>{"Varnelo.mid"});
    const std::string bytes = readFile(shipped.path("midi/Varnelo.mid"));
    ASSERT_GT(bytes.size(), 22u);
    EXPECT_EQ(bytes.substr(0, 4), "MThd");
    EXPECT_EQ(bytes.substr(14, 4), "MTrk");
    EXPECT_EQ(bytes.substr(bytes.size() - 3), std::string("\xff\x2f\x00", 3)); // end of track
}
