#include "printing/SlipPages.h"

#include <string>

namespace varnelo {

std::uint32_t markColour(MarkMode mode) {
    switch (mode) {
    case MarkMode::Grey:
        return 0x808080;
    case MarkMode::LightGrey:
        return 0xC0C0C0;
    case MarkMode::Black:
        break;
    }
    return 0x000000;
}

std::int64_t slipCount(std::int64_t columns, int perSlip) {
    return perSlip <= 0 ? 0 : (columns + perSlip - 1) / perSlip;
}

void fillSlip(PrintBuffer& buffer, std::span<const Column> columns) {
    buffer.clear();
    int grid = 1;
    for (const Column& c : columns) {
        if (grid > kSlipGrids)
            break;
        for (std::uint8_t n : c)
            buffer.set(grid, n);
        ++grid;
    }
}

std::vector<Mark> slipMarks(const SlipLayout& layout, const PrintBuffer& buffer,
                            const SlipShift& shift) {
    std::vector<Mark> marks;
    const int dx = shift.dx + (shift.entry == SlipEntry::Centre ? kCentreShift : 0);
    for (int grid = 1; grid <= kSlipGrids; ++grid)
        for (int cell = 1; cell <= kGridCells; ++cell)
            if (buffer.isSet(grid, cell)) {
                const TwipPoint p = layout.at(grid, cell);
                marks.push_back(
                    {p.x + dx, p.y + shift.dy, SlipGeometry::markWidth, SlipGeometry::markHeight});
            }
    return marks;
}

std::optional<Notice> tooManySlips(std::int64_t columns, int perSlip) {
    const std::int64_t slips = slipCount(columns, perSlip);
    if (slips <= kMaxSlips)
        return std::nullopt;
    return Notice{"Troppe Schedine da stampare:",
                  {"Schedine N° =" + std::to_string(slips), "Massimo =" + std::to_string(kMaxSlips),
                   "Ridurre le colonne o aumentare le colonne per schedina."}};
}

} // namespace varnelo
