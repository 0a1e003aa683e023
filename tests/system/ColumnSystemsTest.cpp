#include "system/ColumnSystems.h"
#include "core/ColumnsFileFormat.h"
#include "support/Columns.h"
#include "support/TestFolder.h"
#include "system/SystemList.h"

using namespace varnelo;
using namespace varnelo::test;

namespace {

const std::vector<Column> kSmall = {col(1, 2, 3, 4, 5), col(7, 8, 9, 10, 49)};

std::string firstLine(const std::optional<Notice>& n) {
    return n && !n->lines.empty() ? n->lines.front() : std::string("(nessun avviso)");
}

TEST(ColumnSystems, SavedResultOpensAsAColumnSystem) {
    TestFolder t;
    ASSERT_TRUE(
        saveColumnSystem(t.folder(), "unito", kSmall, ExtraFile{"unito.sss", "testo"}).done());
    std::vector<Column> back;
    EXPECT_FALSE(readColumnSystem(t.folder(), "unito", back));
    EXPECT_EQ(back, kSmall);
    EXPECT_EQ(readFile(t / "qor/unito.sss"), "testo");
    const auto listed = listSystems(t.folder());
    ASSERT_EQ(listed.size(), 1U);
    EXPECT_EQ(listed[0].description, "Sistema Colonnare");
    EXPECT_EQ(listed[0].counts.total, 2);
}

TEST(ColumnSystems, EmptyResultIsStillASystem) {
    TestFolder t;
    ASSERT_TRUE(saveColumnSystem(t.folder(), "vuoto", {}).done());
    std::vector<Column> back = kSmall;
    EXPECT_FALSE(readColumnSystem(t.folder(), "vuoto", back));
    EXPECT_TRUE(back.empty());
}

TEST(ColumnSystems, InputsThatCannotBeReadAreRefusedUntouched) {
    struct Case {
        const char* name;
        const char* file; // replaced in a saved system; nullptr: removed
        const char* content;
        const char* firstLine;
    };
    const char* damaged = "Il sistema ( s.cna ) Non esiste o e stato manomesso!";
    const Case cases[] = {
        {"missing", "s.sse", nullptr, damaged},
        {"damaged settings", "s.sse", "x\n", damaged},
        {"never developed", "s.cna", nullptr, "Sistema non elaborato,"},
        {"empty settings", "s.sse", "  \n", "Sistema non elaborato,"},
        {"bad column", "s.cna", "1  2  3  4  5\r\n5  4  3  2  1\r\n",
         "Colonna non valida alla riga 2"},
    };
    for (const Case& c : cases) {
        TestFolder t({"qor"}, c.name);
        ASSERT_TRUE(saveColumnSystem(t.folder(), "s", kSmall).done());
        const auto path = t / (std::string("qor/") + c.file);
        if (c.content)
            writeFile(path, c.content);
        else
            std::filesystem::remove(path);
        std::vector<Column> out = {col(40, 41, 42, 43, 44)};
        EXPECT_EQ(firstLine(readColumnSystem(t.folder(), "s", out)), c.firstLine) << c.name;
        EXPECT_EQ(out, (std::vector<Column>{col(40, 41, 42, 43, 44)})) << c.name;
    }
}

TEST(ColumnSystems, ResultNameRules) {
    TestFolder t;
    ASSERT_TRUE(saveColumnSystem(t.folder(), "esiste", kSmall).done());
    struct Case {
        const char* typed;
        SaveAsStep step;
        const char* firstLine;
    };
    const Case cases[] = {
        {"archivio", SaveAsStep::Refuse,
         "Non e possibile salvare un sistema col nome ''archivio''"},
        {"ARCHIVIO", SaveAsStep::Refuse,
         "Non e possibile salvare un sistema col nome ''archivio''"},
        {"primo", SaveAsStep::Refuse, "Non e possibile cambiare con"},
        {" secondo ", SaveAsStep::Refuse, "Non e possibile cambiare con"},
        {"   ", SaveAsStep::Refuse, "Inserire il nome del sistema."},
        {"esiste", SaveAsStep::AskOverwrite, "File gia esistente  = esiste"},
        {"nuovo", SaveAsStep::Save, "(nessun avviso)"},
    };
    for (const Case& c : cases) {
        const SaveAsDecision d = decideResultName(t.folder(), c.typed, "primo", "secondo");
        EXPECT_EQ(d.step, c.step) << c.typed;
        EXPECT_EQ(firstLine(d.notice), c.firstLine) << c.typed;
    }
    EXPECT_EQ(decideResultName(t.folder(), "esiste", "a", "b").notice->lines[1],
              "Sostituire il file?");
}

TEST(ColumnSystems, JoinChecksInTheirOrder) {
    struct Case {
        const char* first;
        const char* second;
        std::size_t firstCount, secondCount;
        const char* firstLine;
    };
    const Case cases[] = {
        {"", "b", 5, 5, "Apri prima i sistemi da voler unire"},
        {"a", "", 5, 5, "Apri prima i sistemi da voler unire"},
        {"a", "a", 5, 5, "non aprire due volte lo stesso sistema!"},
        {"a", "b", 0, 5, "Uno dei due sistemi non contiene nessuna"},
        {"a", "b", 5, 0, "Uno dei due sistemi non contiene nessuna"},
        {"a", "b", 20001, 5, "Il primo sistema non deve"},
        {"a", "b", 20000, 5, "(nessun avviso)"},
        {"a", "b", 5, 1906884, "(nessun avviso)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(firstLine(joinRefusal(c.first, c.second, c.firstCount, c.secondCount)),
                  c.firstLine)
            << c.first << '/' << c.second << ' ' << c.firstCount << '/' << c.secondCount;
}

TEST(ColumnSystems, JoinRecordNamesBothInputsAndTheElimination) {
    const std::string text = formatJoinRecord({"uno", "due", 10, 20, 2, 7, 23});
    for (const char* line :
         {"Sistema Unito", "1° Sistema = uno", "2° Sistema = due", "   colonne = 20",
          "Elimina le colonne = Ridotto con garanzia 2", "Eliminate = 7", "   N° Colonne= 23"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

} // namespace
