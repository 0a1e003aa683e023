#include "conditions/LinkJudge.h"

namespace varnelo {

LinkJudge::LinkJudge(const Links& links, const Quadri& quadri)
    : links_(links.table.groupsInUse()), quadri_(quadri.table.groupsInUse()),
      overall_(links.overallExcess), wrongLinks_(links.wrongLinks),
      wrongQuadri_(quadri.wrongQuadri) {
    if (links_ == 0)
        overall_ = wrongLinks_ = {};
    if (quadri_ == 0)
        wrongQuadri_ = {};
    for (int g = 1; g <= kGroupCount; ++g) {
        linkRange_[static_cast<std::size_t>(g)] = links.table.range(g);
        quadroRange_[static_cast<std::size_t>(g)] = quadri.table.range(g);
    }
    // The test visits links 1..N and quadri 1..M only.
    for (int s = 1; s <= kSlotCount; ++s) {
        for (int l = 1; l <= links_; ++l)
            if (links.table.holds(l, s))
                linkMask_[static_cast<std::size_t>(s)] |= static_cast<std::uint16_t>(1u << (l - 1));
        for (int q = 1; q <= quadri_; ++q)
            if (quadri.table.holds(q, s))
                quadroMask_[static_cast<std::size_t>(s)] |=
                    static_cast<std::uint16_t>(1u << (q - 1));
    }
}

bool LinkJudge::recordFailure(Work& w, int slot) const {
    const std::uint16_t mask = linkMask(slot);
    if (!mask)
        return false;
    for (int l = 1; l <= links_; ++l)
        if (mask >> (l - 1) & 1)
            ++w.errors[static_cast<std::size_t>(l)];
    return true;
}

void LinkJudge::recordPoints(Work& w, int slot, int value) const {
    const std::uint16_t mask = quadroMask(slot);
    for (int q = 1; q <= quadri_; ++q)
        if (mask >> (q - 1) & 1)
            w.score[static_cast<std::size_t>(q)] += value;
}

bool LinkJudge::judge(const Work& w) const {
    if (links_ > 0) {
        std::int64_t excess = 0, wrong = 0;
        for (int l = 1; l <= links_; ++l) {
            const auto e = w.errors[static_cast<std::size_t>(l)];
            const RangePair& r = linkRange_[static_cast<std::size_t>(l)];
            if (r.contains(e))
                continue;
            ++wrong;
            excess += e < r.from ? r.from - e : e - r.to;
        }
        if (!overall_.contains(excess) || !wrongLinks_.contains(wrong))
            return false;
    }
    if (quadri_ > 0) {
        std::int64_t wrong = 0;
        for (int q = 1; q <= quadri_; ++q)
            wrong += !quadroRange_[static_cast<std::size_t>(q)].contains(
                w.score[static_cast<std::size_t>(q)]);
        if (!wrongQuadri_.contains(wrong))
            return false;
    }
    return true;
}

} // namespace varnelo
