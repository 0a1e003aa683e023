#pragma once

#include "core/Notice.h"
#include "core/Numbers.h"
#include "printing/SlipLayout.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace varnelo {

// Print modes: the fill colour of the marks.
enum class MarkMode { Black = 1, Grey = 2, LightGrey = 3 };
// 0xRRGGBB of a mode.
std::uint32_t markColour(MarkMode mode);

// Where the slip enters the printer ("Stampa a Sinistra" / "Stampa  Centrale").
enum class SlipEntry { Left = 0, Centre = 1 };
// A centred slip sits this far to the right of a left-aligned one.
inline constexpr int kCentreShift = 5500;

// The calibration applied while drawing: the stored positions never change.
struct SlipShift {
    SlipEntry entry = SlipEntry::Left;
    int dx = 0; // "Discrepanza della stampante:", twips
    int dy = 0;
    bool operator==(const SlipShift&) const = default;
};

// The flags of one slip, cleared before each: flag(g, n) set when number n is
// marked in grid g.
class PrintBuffer {
  public:
    static constexpr int kGrids = 25;
    static constexpr int kCells = 81;
    void clear() { flags_ = {}; }
    void set(int grid, int cell) { flags_[grid - 1][cell] = 1; }
    bool isSet(int grid, int cell) const { return flags_[grid - 1][cell] != 0; }

  private:
    std::array<std::array<std::int32_t, kCells>, kGrids> flags_{};
};

// How many slips `columns` columns fill at `perSlip` (1..5) columns a slip.
std::int64_t slipCount(std::int64_t columns, int perSlip);
// The buffer of the slip holding `columns` (at most perSlip of them, the
// first in grid 1); grids after the last column stay empty.
void fillSlip(PrintBuffer& buffer, std::span<const Column> columns);

struct Mark {
    int x = 0; // top-left corner, twips from the slip's corner
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Mark&) const = default;
};

// The rectangles of one slip, grid by grid and cell by cell, shifted.
std::vector<Mark> slipMarks(const SlipLayout& layout, const PrintBuffer& buffer,
                            const SlipShift& shift);

// "Troppe Schedine da stampare:" above this many slips in one job.
inline constexpr std::int64_t kMaxSlips = 5000;
// The refusal of a job of `columns` columns at `perSlip` a slip, if any.
std::optional<Notice> tooManySlips(std::int64_t columns, int perSlip);

} // namespace varnelo
