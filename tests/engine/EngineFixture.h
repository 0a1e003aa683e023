#pragma once

#include "conditions/LinkJudge.h"
#include "conditions/SlotMetric.h"
#include "engine/DevelopmentRun.h"
#include "support/Columns.h"
#include "support/TestFolder.h"
#include "system/ProgramState.h"
#include "system/SystemRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>
#include <vector>

namespace varnelo::test {

struct Engine {
    TestFolder folder{"qor"};
    std::filesystem::path dir = folder.root;
    std::unique_ptr<ProgramState> state = std::make_unique<ProgramState>(ProgramFolder(dir));
    RunProgress progress;
    RunOptions options;

    void choose(const std::vector<int>& numbers) {
        for (int n : numbers)
            state->selection.setState(n, Selection::Chosen);
    }
    RunResult develop() { return developSystem(*state, options, progress); }
    RunResult develop(const std::vector<Column>& rows) {
        return developColumns(*state, rows, options, progress);
    }
    std::vector<Column> columns() const {
        std::vector<Column> out;
        for (std::int32_t i = 1; i <= state->columns.storedCount; ++i)
            out.push_back(state->columns.column(i));
        return out;
    }
    std::uintmax_t overflowSize() const {
        return std::filesystem::file_size(dir / "qor" / "qor.qor");
    }
};

// The candidate test done the plain way: every active condition valued
// through the catalogue, links and levels judged with their own tests.
inline bool referencePasses(const ProgramState& s, const Column& c, const MetricContext& ctx) {
    const LinkJudge judge(s.links, s.quadri);
    LinkJudge::Work work;
    std::array<std::int32_t, kLevelCount + 1> levels{};
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (!s.conditions.isActive(slot) || !isShapeSlot(slot))
            continue;
        const int v = shapeSlotValue(slot, c, ctx);
        const CellStatus st = s.conditions.effectiveStatus(slot, v);
        if (st == CellStatus::NotAdmitted) {
            if (!judge.recordFailure(work, slot))
                return false;
            continue;
        }
        if (st == CellStatus::Recovery)
            ++levels[s.conditions.cell(slot, v).level];
        judge.recordPoints(work, slot, v);
    }
    return LevelJudge(s.levels, levelsInUse(s.conditions)).pass(levels.data()) && judge.judge(work);
}

using PlainTest = bool (*)(const ProgramState&, const Column&, const MetricContext&);

// The source columns the plain test keeps, in their order.
inline std::vector<Column> reference(const ProgramState& s, const std::vector<Column>& source,
                                     const MetricContext& ctx, PlainTest passes = referencePasses) {
    std::vector<Column> out;
    for (const Column& c : source)
        if (passes(s, c, ctx))
            out.push_back(c);
    return out;
}

inline std::vector<int> randomNumbers(std::mt19937& rng, int count) {
    std::vector<int> all;
    for (int n = 1; n <= kMaxNumber; ++n)
        all.push_back(n);
    std::shuffle(all.begin(), all.end(), rng);
    all.resize(static_cast<std::size_t>(count));
    std::sort(all.begin(), all.end());
    return all;
}

} // namespace varnelo::test
