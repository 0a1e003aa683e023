#include "stats/PositionDelays.h"

namespace varnelo {

int PositionDelays::maxValue() const {
    return part == DrawPart::Numbers ? kMaxNumber : 10;
}

int PositionDelays::positions() const {
    return part == DrawPart::Numbers ? kColumnSize : 2;
}

PositionDelays computePositionDelays(const std::vector<Draw>& draws, DrawPart part) {
    PositionDelays out;
    out.part = part;
    out.drawCount = static_cast<std::int32_t>(draws.size());
    const auto stride = static_cast<std::size_t>(out.maxValue() + 1);
    const auto positions = static_cast<std::size_t>(out.positions());
    GapCounter counter(stride * (positions + 1));
    std::int32_t at = 0;
    for (const Draw& d : draws) {
        for (std::size_t p = 0; p < positions; ++p) {
            const std::size_t v = part == DrawPart::Numbers ? d.numbers[p] : d.numeroni[p];
            counter.hit(v, at);
            counter.hit((p + 1) * stride + v, at);
        }
        ++at;
    }
    out.byPosition.resize(positions + 1);
    for (std::size_t p = 0; p <= positions; ++p)
        for (std::size_t v = 0; v < stride; ++v)
            out.byPosition[p].push_back(counter.gaps(p * stride + v, out.drawCount));
    return out;
}

std::vector<std::string> gapHeads(const std::string& first) {
    return {first, "Usciti", "Frequenza", "Ritardo", "Rit.Max", "Ciclo"};
}

StatRow gapRow(StatCell label, const Gaps& gaps, std::int32_t drawCount) {
    return {std::move(label),
            StatCell::integer(gaps.outs),
            StatCell::decimal(gaps.meanInterval(drawCount)),
            StatCell::integer(gaps.delay),
            StatCell::integer(gaps.longestDelay),
            StatCell::decimal(gaps.cycle(drawCount))};
}

std::vector<StatTable> positionDelayTables(const PositionDelays& delays) {
    const bool numbers = delays.part == DrawPart::Numbers;
    std::vector<StatTable> out;
    for (std::size_t p = 0; p < delays.byPosition.size(); ++p) {
        StatTable t;
        t.title = p == 0 ? "Tutte le posizioni"
                         : std::to_string(p) + (numbers ? "° estratto" : "° Numerone");
        t.heads = gapHeads("Val");
        for (int v = 1; v <= delays.maxValue(); ++v)
            t.rows.push_back(gapRow(StatCell::integer(v),
                                    delays.byPosition[p][static_cast<std::size_t>(v)],
                                    delays.drawCount));
        out.push_back(std::move(t));
    }
    return out;
}

} // namespace varnelo
