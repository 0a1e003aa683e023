#include "app/cli/Commands.h"
#include "conditions/Metrics.h"
#include "core/ColumnText.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

namespace varnelo::cli {

namespace {

constexpr int kPrintedCodes[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24,
                                 25, 26, 27, 28, 29, 30, 34, 40, 41, 42};

// Output goes through one buffer: all 1,906,884 columns make about 200 MB of text.
class Writer {
  public:
    ~Writer() { flush(); }
    void number(int v) {
        if (v >= 100)
            put(static_cast<char>('0' + v / 100));
        if (v >= 10)
            put(static_cast<char>('0' + v / 10 % 10));
        put(static_cast<char>('0' + v % 10));
    }
    void put(char c) {
        if (used_ == sizeof buffer_)
            flush();
        buffer_[used_++] = c;
    }
    void flush() {
        std::fwrite(buffer_, 1, used_, stdout);
        used_ = 0;
    }

  private:
    char buffer_[1 << 16];
    std::size_t used_ = 0;
};

int printMetrics(std::istream& in) {
    Writer out;
    std::string line, error;
    long lineNumber = 0;
    Column c;
    CatalogueValues v;
    const MetricContext ctx;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        if (!parseColumn(line, c, error)) {
            out.flush();
            std::fflush(stdout);
            std::cerr << "Riga " << lineNumber << ": colonna non valida (" << error << ")\n";
            return kBadInput;
        }
        catalogueMetrics(c, ctx, v);
        for (int k = 0; k < kColumnSize; ++k) {
            if (k)
                out.put(' ');
            out.number(c[static_cast<std::size_t>(k)]);
        }
        for (int code : kPrintedCodes) {
            out.put(' ');
            out.number(v[static_cast<std::size_t>(code)]);
        }
        for (Distance d : {Distance::Extreme, Distance::Min, Distance::Max, Distance::Mean}) {
            out.put(' ');
            out.number(distanceMetric(d, c));
        }
        for (Sum s : {Sum::Total, Sum::Even, Sum::Odd}) {
            out.put(' ');
            out.number(sumMetric(s, c));
        }
        out.put('\n');
    }
    return kOk;
}

int run(const std::vector<std::string>& args) {
    if (args.size() > 1) {
        std::cerr << "Troppi argomenti: metriche accetta al massimo un file\n";
        return kBadInput;
    }
    if (args.empty() || args[0] == "-")
        return printMetrics(std::cin);
    std::ifstream file(args[0], std::ios::binary);
    if (!file) {
        std::cerr << "Impossibile aprire il file " << args[0] << '\n';
        return kBadInput;
    }
    return printMetrics(file);
}

const bool registered = registerCommand(
    {"metriche",
     "metriche [FILE]   valori delle condizioni di ogni colonna (da FILE o dallo standard input)",
     run});

} // namespace

} // namespace varnelo::cli
