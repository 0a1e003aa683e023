#include "printing/SlipLayout.h"

#include "core/AtomicWriter.h"
#include "core/TextFile.h"

#include <filesystem>
#include <limits>
#include <string>

namespace varnelo {

namespace {

constexpr const char* kLayoutFile = "enal/stampaver.txt";
constexpr std::size_t kLayoutLines = kGridCells * kSlipGrids * 2;

// Row and column of a cell in the drawing of one grid: numbers 1..50 in ten
// rows of five, then two rows of Numeroni and two of further boxes.
TwipPoint cellPlace(int cell) {
    using G = SlipGeometry;
    const int row = (cell - 1) / 5;
    const int col = (cell - 1) % 5;
    const int gap = cell > 50 ? G::extraGap : 0;
    return {col * G::boxPitchX, row * G::boxPitchY + gap};
}

Notice layoutNotice(const std::string& why) {
    return Notice{"File manomesso o inesistente:",
                  {"Il file della posizione delle caselle enal/stampaver.txt non è valido.", why,
                   "Si usano le posizioni originali."}};
}

} // namespace

SlipLayout defaultSlipLayout() {
    using G = SlipGeometry;
    SlipLayout layout;
    const int inset = (G::boxWidth - G::markWidth) / 2;
    const int insetY = (G::boxHeight - G::markHeight) / 2;
    for (int cell = 1; cell <= kGridCells; ++cell) {
        const TwipPoint p = cellPlace(cell);
        for (int grid = 1; grid <= kSlipGrids; ++grid)
            layout.cells[cell - 1][grid - 1] = {
                G::gridLeft + (grid - 1) * G::gridPitch + p.x + inset, G::gridTop + p.y + insetY};
    }
    return layout;
}

TwipPoint boxCorner(const SlipLayout& layout, int grid, int cell) {
    using G = SlipGeometry;
    const TwipPoint m = layout.at(grid, cell);
    return {m.x - (G::boxWidth - G::markWidth) / 2, m.y - (G::boxHeight - G::markHeight) / 2};
}

std::optional<SlipLayout> readSlipLayout(const ProgramFolder& folder,
                                         std::optional<Notice>& notice) {
    const std::filesystem::path path = folder.path(kLayoutFile);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return std::nullopt;
    std::string text, error;
    if (!readTextFile(path, 64 * 1024, text, error)) {
        notice = layoutNotice(error);
        return std::nullopt;
    }
    const auto lines = splitLines(text);
    if (lines.size() < kLayoutLines) {
        notice = layoutNotice("Righe lette: " + std::to_string(lines.size()) + " su " +
                              std::to_string(kLayoutLines) + ".");
        return std::nullopt;
    }
    SlipLayout layout;
    for (std::size_t i = 0; i < kLayoutLines; ++i) {
        long long v = 0;
        if (!parseIntegerText(lines[i], v) || v < std::numeric_limits<std::int16_t>::min() ||
            v > std::numeric_limits<std::int16_t>::max()) {
            notice = layoutNotice("Valore non valido alla riga " + std::to_string(i + 1) + ".");
            return std::nullopt;
        }
        TwipPoint& p = layout.cells[i / 10][(i % 10) / 2];
        (i % 2 == 0 ? p.x : p.y) = static_cast<int>(v);
    }
    return layout;
}

bool writeSlipLayout(const ProgramFolder& folder, const SlipLayout& layout, std::string& error) {
    std::vector<std::string> lines;
    lines.reserve(kLayoutLines);
    for (const auto& cell : layout.cells)
        for (const TwipPoint& p : cell) {
            lines.push_back(std::to_string(p.x));
            lines.push_back(std::to_string(p.y));
        }
    return writeFileAtomically(folder.path(kLayoutFile), joinLines(lines), error);
}

} // namespace varnelo
