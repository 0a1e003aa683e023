#include "benchmarks/Bench.h"
#include "columns/FilterSources.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <unistd.h>

namespace varnelo::bench {

namespace {

namespace fs = std::filesystem;

// A text list of 20000 filter columns of six numbers, the largest list the
// program takes, made once and removed at exit.
struct TextList {
    fs::path file;
    TextList() {
        file = fs::temp_directory_path() /
               ("varnelo-bench-filtri-" + std::to_string(::getpid()) + ".txt");
        std::mt19937 random(3);
        std::uniform_int_distribution<int> number(1, 49);
        std::ofstream out(file, std::ios::binary);
        for (int i = 0; i < 20000; ++i)
            for (int k = 0; k < 6; ++k)
                out << number(random) << (k < 5 ? " " : "\r\n");
    }
    ~TextList() {
        std::error_code ec;
        fs::remove(file, ec);
    }
};

const TextList& textList() {
    static const TextList list;
    return list;
}

// Against reading the file's bytes: what parsing the lines into filter columns adds.
const bool import = registerCase({"importa-colonne-filtro-testo",
                                  [] {
                                      std::ifstream in(textList().file, std::ios::binary);
                                      std::ostringstream s;
                                      s << in.rdbuf();
                                      keep(s.str().data());
                                  },
                                  [] {
                                      std::vector<ListColumn> columns;
                                      readFilterText(textList().file, 0, 2, columns);
                                      keep(columns.data());
                                  }});

} // namespace

} // namespace varnelo::bench
