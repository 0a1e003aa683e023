#include "conditions/FamilyDistribution.h"

#include "conditions/DelayConditions.h"
#include "conditions/FamilySlotMetric.h"

#include <algorithm>

namespace varnelo {

namespace {

constexpr std::int64_t kAmboTop = 5000;
const std::map<std::int64_t, std::int64_t> kNoCounts;

} // namespace

FamilyDistribution::FamilyDistribution() {
    std::size_t at = 0;
    for (int s = 0; s <= kSlotCount; ++s) {
        offset_[static_cast<std::size_t>(s)] = at;
        if (s > 0 && isFamilySlot(s))
            at += static_cast<std::size_t>(slotValueRange(s).max + 1);
    }
    offset_[kSlotCount + 1] = at;
    slots_.assign(at, 0);
    ambo_.assign(static_cast<std::size_t>(kAmboRows * (kAmboTop + 1)), 0);
}

void FamilyDistribution::clear() {
    columns_ = 0;
    std::fill(slots_.begin(), slots_.end(), 0);
    std::fill(ambo_.begin(), ambo_.end(), 0);
    for (auto& m : ritardi_)
        m.clear();
    sums_.clear();
    for (auto& m : quadri_)
        m.clear();
}

void FamilyDistribution::tally(const Column& c, const Inputs& in) {
    ++columns_;
    for (int s = 1; s <= kSlotCount; ++s) {
        if (!isFamilySlot(s))
            continue;
        const int v = familySlotValue(s, c, in.context, in.sequele);
        if (v >= 0)
            ++slots_[offset_[static_cast<std::size_t>(s)] + static_cast<std::size_t>(v)];
    }
    for (int r = 0; r < kAmboRows; ++r) {
        const std::int64_t v = std::min(amboValue(r, c, in.delays), kAmboTop);
        ++ambo_[static_cast<std::size_t>(r * (kAmboTop + 1) + v)];
    }
    for (int r = 0; r < kRitardiVariRows; ++r)
        ++ritardi_[static_cast<std::size_t>(r)][ritardiVariValue(r, c, in.delays)];
    if (sums_.size() < in.sums.rows.size())
        sums_.resize(in.sums.rows.size());
    for (std::size_t r = 0; r < in.sums.rows.size(); ++r)
        ++sums_[r][rowSum(in.sums.rows[r], in.picchetti, c)];
    for (std::size_t q = 0; q < in.andOr.quadri.size(); ++q)
        if (in.andOr.quadri[q].active)
            ++quadri_[q][quadroScore(in.andOr.quadri[q], c).guessed];
}

void FamilyDistribution::tallyStored(const ColumnStore& columns, const Inputs& in) {
    clear();
    for (std::int32_t i = 1; i <= columns.storedCount; ++i)
        tally(columns.column(i), in);
}

std::span<const std::int64_t> FamilyDistribution::slotRow(int slot) const {
    if (slot < 1 || slot > kSlotCount)
        return {};
    const std::size_t b = offset_[static_cast<std::size_t>(slot)];
    const std::size_t e = offset_[static_cast<std::size_t>(slot) + 1];
    return std::span<const std::int64_t>(slots_).subspan(b, e - b);
}

std::span<const std::int64_t> FamilyDistribution::amboRow(int row) const {
    if (row < 0 || row >= kAmboRows)
        return {};
    return std::span<const std::int64_t>(ambo_).subspan(
        static_cast<std::size_t>(row * (kAmboTop + 1)), static_cast<std::size_t>(kAmboTop + 1));
}

const std::map<std::int64_t, std::int64_t>& FamilyDistribution::ritardiVariRow(int row) const {
    return row >= 0 && row < kRitardiVariRows ? ritardi_[static_cast<std::size_t>(row)] : kNoCounts;
}

const std::map<std::int64_t, std::int64_t>& FamilyDistribution::sumRow(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < sums_.size()
               ? sums_[static_cast<std::size_t>(row)]
               : kNoCounts;
}

const std::map<std::int64_t, std::int64_t>& FamilyDistribution::quadroRow(int quadro) const {
    return quadro >= 0 && quadro < kAndOrQuadri ? quadri_[static_cast<std::size_t>(quadro)]
                                                : kNoCounts;
}

} // namespace varnelo
