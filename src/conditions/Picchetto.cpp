#include "conditions/Picchetto.h"

#include "conditions/IntegerTokens.h"

namespace varnelo {

namespace {

bool inTable(int picchetto, int number) {
    return picchetto >= 1 && picchetto <= kPicchettoCount && number >= 1 && number <= 50;
}

} // namespace

std::int32_t PicchettoTable::value(int picchetto, int number) const {
    return inTable(picchetto, number)
               ? values_[static_cast<std::size_t>(picchetto)][static_cast<std::size_t>(number)]
               : 0;
}

void PicchettoTable::setValue(int picchetto, int number, std::int32_t v) {
    if (inTable(picchetto, number))
        values_[static_cast<std::size_t>(picchetto)][static_cast<std::size_t>(number)] = v;
}

void PicchettoTable::clear(int picchetto) {
    for (int n = 1; n <= 50; ++n)
        setValue(picchetto, n, 0);
}

std::string formatPicchettoFile(const PicchettoTable& t) {
    std::string out;
    for (int p = 1; p <= kPicchettoCount; ++p)
        for (int line = 0; line < 5; ++line) {
            for (int k = 1; k <= 10; ++k) {
                out += std::to_string(t.value(p, line * 10 + k));
                out += k < 10 ? " " : "\r\n";
            }
        }
    return out;
}

bool parsePicchettoFile(std::string_view text, PicchettoTable& t, std::string& error) {
    PicchettoTable read = t;
    IntegerTokens tokens(text);
    long long v = 0;
    for (int p = 1; p <= kPicchettoCount; ++p)
        for (int n = 1; n <= 50; ++n) {
            if (!tokens.next(v, INT32_MIN, INT32_MAX)) {
                if (tokens.bad()) {
                    error = "Il file dei picchetti non e valido: il valore del numero " +
                            std::to_string(n) + " del picchetto " + std::to_string(p) +
                            " non e un numero.";
                    return false;
                }
                t = read;
                return true;
            }
            read.setValue(p, n, static_cast<std::int32_t>(v));
        }
    t = read;
    return true;
}

std::array<std::int32_t, kMaxNumber + 1> generatePicchetto(std::span<const Column> draws,
                                                           PicchettoSource source) {
    const auto total = static_cast<double>(draws.size());
    std::array<std::int64_t, kMaxNumber + 1> out{}, last{}, longest{};
    last.fill(-1);
    for (std::size_t i = 0; i < draws.size(); ++i)
        for (const auto n : draws[i]) {
            const auto gap = static_cast<std::int64_t>(i) - last[n] - 1;
            if (gap > longest[n])
                longest[n] = gap;
            last[n] = static_cast<std::int64_t>(i);
            ++out[n];
        }
    std::array<std::int32_t, kMaxNumber + 1> values{};
    for (int n = 1; n <= kMaxNumber; ++n) {
        const double f = static_cast<double>(out[n]);
        const double delay = total - 1 - static_cast<double>(last[n]);
        double v = 0;
        switch (source) {
        case PicchettoSource::Out:
            v = f;
            break;
        case PicchettoSource::Frequency:
            v = f > 0 ? total / f : 0;
            break;
        case PicchettoSource::Delay:
            v = delay;
            break;
        case PicchettoSource::MaxDelay:
            v = static_cast<double>(longest[n]);
            break;
        case PicchettoSource::Cycle:
            v = f > 0 ? delay / (total / f) : 0;
            break;
        }
        // Truncated, as the table keeps hundredths; a hair of rounding slack
        // keeps 2.3 from becoming 229.
        values[static_cast<std::size_t>(n)] = static_cast<std::int32_t>(v * 100 + 1e-9);
    }
    return values;
}

} // namespace varnelo
