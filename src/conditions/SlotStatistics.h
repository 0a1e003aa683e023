#pragma once

#include "conditions/ConditionStatistics.h"
#include "conditions/Metrics.h"
#include "conditions/Sequele.h"
#include "core/ColumnStore.h"

#include <span>

namespace varnelo {

// The archive walk of any slot with a row of values: every selected draw
// (oldest first) valued as a column by the slot's metric. "Ponte Passo n"
// takes the archive's own rule; "Somma Ritardi" and "Somma Ambata" take the
// number delays as they stood before each draw; the comparison and forecast
// metrics take the context.
ValueStatistics slotStatistics(int slot, std::span<const Column> draws, const MetricContext& ctx,
                               const SequelePatterns& sequele);

// "Distr.Sistema": the columns held in the list (rows 1..stored) per value
// of the slot's metric, index value - the slot's lowest value.
std::vector<std::int64_t> slotColumnCounts(int slot, const ColumnStore& columns,
                                           const MetricContext& ctx,
                                           const SequelePatterns& sequele);

} // namespace varnelo
