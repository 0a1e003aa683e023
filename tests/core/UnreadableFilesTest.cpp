#include "conditions/FamilyFiles.h"
#include "core/Archive.h"
#include "core/TextColumns.h"
#include "reduced/PersonalTable.h"
#include "support/TestFolder.h"
#include "system/SystemStorage.h"

#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace varnelo;
using namespace varnelo::test;

namespace {

// Runs `body` in a child process, as the user nobody when the tests run as
// root (root reads any file whatever its permissions); true when it returned
// true and the child ended normally.
bool inChild(bool asNobody, const std::function<bool()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (asNobody && ::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool hasText(const std::optional<Notice>& n) {
    return n && !n->title.empty() && !n->lines.empty();
}

struct ReaderCase {
    const char* file;                               // relative to the program folder
    std::function<bool(const TestFolder&)> refuses; // the reader gave its notice
};

const ReaderCase kReaders[] = {
    {"enal/archivio.cna",
     [](const TestFolder& t) {
         ArchiveContents a;
         std::string error;
         return !readArchive(t / "enal/archivio.cna", kMaxArchiveLines, a, error) &&
                error.find("archivio.cna") != std::string::npos;
     }},
    {"qor/prova.sse",
     [](const TestFolder& t) {
         ProgramState s(t.folder());
         Progress p;
         const TaskOutcome out = openSystem(s, "prova", p);
         return out.status == TaskStatus::Failed && hasText(out.notice);
     }},
    {"qor/prova.cna",
     [](const TestFolder& t) {
         writeFile(t / "qor/prova.sse", " 0  0  0  0  1  1  0  1  1  0  0  0  0  0  0  0  0  0  0 "
                                        " 0 \r\n" +
                                            listForm(std::vector<long long>(50, 1)) +
                                            "\r\n 0  0  0  0  0  0  0  0  0  0 \r\nx\r\n");
         ProgramState s(t.folder());
         Progress p;
         const TaskOutcome out = openSystem(s, "prova", p);
         return out.status == TaskStatus::Failed && hasText(out.notice) && !s.columns.hasColumns;
     }},
    {"picchetto/picchetto.txt",
     [](const TestFolder& t) {
         PicchettoTable table;
         return hasText(loadPicchetti(t.folder(), table));
     }},
    {"andor/AndOr.txt",
     [](const TestFolder& t) {
         AndOrSet s;
         return hasText(loadAndOr(t.folder(), s));
     }},
    {"qor/colonne.txt",
     [](const TestFolder& t) {
         auto store = std::make_unique<ColumnStore>();
         Selection sel;
         SystemOptions o;
         Progress p;
         const ImportOutcome out = importColumns(t / "qor/colonne.txt", *store, sel, o, p);
         return hasText(out.notice) && store->storedCount == 0;
     }},
};

enum class Fault { NoPermission, FolderInItsPlace };

} // namespace

// A file the reader cannot open, because it may not or because a folder
// stands in its place, gives the reader's notice and changes nothing.
TEST(UnreadableFiles, EveryReaderGivesItsNotice) {
    for (const Fault fault : {Fault::NoPermission, Fault::FolderInItsPlace}) {
        for (const ReaderCase& c : kReaders) {
            SCOPED_TRACE(std::string(c.file) +
                         (fault == Fault::NoPermission ? " senza permesso" : " cartella"));
            TestFolder t({"enal", "qor", "picchetto", "andor"});
            if (fault == Fault::NoPermission) {
                writeFile(t / c.file, "1 2 3 4 5\r\n");
                ASSERT_EQ(::chmod((t / c.file).c_str(), 0), 0);
                // The child as nobody must still reach the folders and write qor/qor.qor.
                for (const char* sub : {"", "enal", "qor", "picchetto", "andor"})
                    ::chmod((t / sub).c_str(), 0777);
            } else {
                std::filesystem::create_directories(t / c.file);
            }
            EXPECT_TRUE(inChild(fault == Fault::NoPermission, [&] { return c.refuses(t); }));
        }
    }
}

namespace {

// Kilobytes of a line of /proc/self/status ("VmRSS", "VmHWM").
long statusKb(const std::string& key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key + ":", 0) == 0)
            return std::stol(line.substr(key.size() + 1));
    return -1;
}

// How much the peak memory of this process grows while `read` runs.
long peakGrowthKb(const std::function<void()>& read) {
    // Writing 5 sets the peak back to the present size.
    std::ofstream("/proc/self/clear_refs") << "5";
    const long before = statusKb("VmRSS");
    read();
    return statusKb("VmHWM") - before;
}

} // namespace

// Files of nothing but line ends are read a line at a time: the memory they
// take does not grow with them.
TEST(UnreadableFiles, BlankLinesCostNoMemory) {
    TestFolder t;
    const std::size_t bytes = 48u << 20;
    for (const char* file : {"enal/archivio.cna", "qor/vuoto.sse"})
        std::ofstream(t / file, std::ios::binary) << std::string(bytes, '\n');
    constexpr long kLimitKb = 24 * 1024;
    EXPECT_TRUE(inChild(false, [&] {
        ArchiveContents a;
        std::string error;
        return peakGrowthKb([&] {
                   readArchive(t / "enal/archivio.cna", kMaxArchiveLines, a, error);
               }) < kLimitKb &&
               a.draws.empty();
    }));
    EXPECT_TRUE(inChild(false, [&] {
        ProgramState s(t.folder());
        Progress p;
        TaskOutcome out;
        return peakGrowthKb([&] { out = openSystem(s, "vuoto", p); }) < kLimitKb && out.done();
    }));
}
