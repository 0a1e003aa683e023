#pragma once

#include "core/Notice.h"
#include "core/ProgramFolder.h"

#include <array>
#include <cstdint>
#include <optional>

namespace varnelo {

inline constexpr int kSlipGrids = 5;
inline constexpr int kGridCells = 70;
// Printer units: 1440 twips to the inch, 567 to the centimetre.
inline constexpr int kTwipsPerInch = 1440;

struct TwipPoint {
    int x = 0;
    int y = 0;
    bool operator==(const TwipPoint&) const = default;
};

// Where the mark of every cell of every grid of a slip goes: the top-left
// corner of the filled rectangle, in twips from the slip's top-left corner.
// Cells 1..49 are the number boxes, 50 the box after them, 51..60 the
// Numeroni 1..10, 61..70 the system and subscription boxes.
struct SlipLayout {
    std::array<std::array<TwipPoint, kSlipGrids>, kGridCells> cells{};
    TwipPoint at(int grid, int cell) const { return cells[cell - 1][grid - 1]; }
    bool operator==(const SlipLayout&) const = default;
};

// The geometry of the slip the program knows without a calibration.
struct SlipGeometry {
    static constexpr int width = 9000; // the whole slip, landscape
    static constexpr int height = 4800;
    static constexpr int gridLeft = 450; // first grid's first box
    static constexpr int gridTop = 1000;
    static constexpr int gridPitch = 1700; // from one grid to the next
    static constexpr int boxPitchX = 284;  // 5 mm between box columns
    static constexpr int boxPitchY = 227;  // 4 mm between box rows
    static constexpr int boxWidth = 227;
    static constexpr int boxHeight = 170;
    static constexpr int markWidth = 170; // the filled rectangle inside a box
    static constexpr int markHeight = 113;
    static constexpr int extraGap = 170; // between the numbers and the Numeroni rows
};

// The layout delivered with the program ("   Impostazioni Originali   ").
SlipLayout defaultSlipLayout();
// The box around a cell's mark, for drawings of the slip.
TwipPoint boxCorner(const SlipLayout& layout, int grid, int cell);

// enal/stampaver.txt: 70 blocks in cell order, each of ten lines X1 Y1 .. X5 Y5.
// Nothing when the file is missing (with no notice) or bad (with one).
std::optional<SlipLayout> readSlipLayout(const ProgramFolder& folder,
                                         std::optional<Notice>& notice);
bool writeSlipLayout(const ProgramFolder& folder, const SlipLayout& layout, std::string& error);

} // namespace varnelo
