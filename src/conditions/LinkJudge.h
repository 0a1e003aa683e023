#pragma once

#include "conditions/Links.h"

#include <array>
#include <cstdint>

namespace varnelo {

// The link and quadro test of one column, compiled at the start of a run:
// the links 1..N and quadri 1..M in use, and per slot the mask of the
// links (quadri) that hold it.
class LinkJudge {
  public:
    LinkJudge(const Links& links, const Quadri& quadri);

    int links() const { return links_; }
    int quadri() const { return quadri_; }
    // Bit l - 1 set: link (quadro) l holds the slot.
    std::uint16_t linkMask(int slot) const { return linkMask_[static_cast<std::size_t>(slot)]; }
    std::uint16_t quadroMask(int slot) const { return quadroMask_[static_cast<std::size_t>(slot)]; }

    // Per-column work arrays, index 1..15.
    struct Work {
        std::array<std::int32_t, kGroupCount + 1> errors{};
        std::array<std::int32_t, kGroupCount + 1> score{};
    };

    // A failing condition: false when it rejects the column at once.
    bool recordFailure(Work& w, int slot) const;
    void recordPoints(Work& w, int slot, int value) const;
    bool judge(const Work& w) const;

  private:
    int links_ = 0;
    int quadri_ = 0;
    std::array<RangePair, kGroupCount + 1> linkRange_{};
    std::array<RangePair, kGroupCount + 1> quadroRange_{};
    RangePair overall_, wrongLinks_, wrongQuadri_;
    std::array<std::uint16_t, kSlotCount + 1> linkMask_{};
    std::array<std::uint16_t, kSlotCount + 1> quadroMask_{};
};

} // namespace varnelo
