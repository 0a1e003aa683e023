#include "reduced/ReducedSlip.h"

#include "core/AtomicWriter.h"
#include "core/TextFile.h"

#include <filesystem>

namespace varnelo {

namespace {
std::string numberList(const std::vector<int>& numbers) {
    std::string text;
    for (const int n : numbers)
        text += (text.empty() ? "" : " ") + std::to_string(n);
    return text;
}
} // namespace

std::string reducedSlipTitle(bool orthogonal, int g, int c) {
    return std::string(orthogonal ? "Ortogonale Garanzia " : "Ridotto Garanzia ") +
           std::to_string(g) + (orthogonal ? " con " : " su ") + std::to_string(c);
}

std::string formatReducedSlip(const ReducedSlip& slip) {
    std::vector<std::string> lines = {slip.title,
                                      "Codice = " + slip.code,
                                      "Numeri = " + numberList(slip.numbers),
                                      "Fisse = " + numberList(slip.fixed),
                                      "Colonne = " + std::to_string(slip.columns.size()),
                                      "*"};
    for (const Column& c : slip.columns) {
        std::string line;
        for (const auto n : c)
            line += ' ' + std::to_string(n);
        lines.push_back(line);
    }
    return joinLines(lines);
}

std::optional<Notice> writeReducedSlip(const ProgramFolder& folder, const ReducedSlip& slip) {
    std::error_code ec;
    std::filesystem::create_directories(folder.path("giocate"), ec);
    std::string error;
    if (!writeFileAtomically(folder.path("giocate/cedolina.txt"), formatReducedSlip(slip), error))
        return Notice{"Avviso:", {error, "File: giocate/cedolina.txt"}};
    return std::nullopt;
}

} // namespace varnelo
