#pragma once

#include "conditions/Metrics.h"
#include "core/Notice.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace varnelo {

// One row of `InsCondizione`: "Condizione", "Valore Condizione", "Num. Colonne
// Sistema", "Usciti Archivio", "Frequenza Archivio", "Ritardo Archivio",
// "Rit.Max Archivio", "Ciclo Archivio".
struct InsRow {
    int code = 0;
    int value = 0;
    std::int64_t systemColumns = 0;
    std::int32_t out = 0;
    double frequency = 0;
    std::int32_t delay = 0;
    std::int32_t maxDelay = 0;
    double cycle = 0;
    // The yield of the row: how many times more often the value came out in
    // the archive (Usciti / draws) than the system holds it (its columns /
    // the system's columns). Rows are listed by score, highest first; equal
    // scores by more system columns, then by code and value.
    double score = 0;
};

// "Sistema non Sviluppato" when the last development was stopped, orthogonal
// or used a difference threshold.
std::optional<Notice> insCondizioneRefusal(bool stopped, bool orthogonal, bool differenceThreshold);

// The rows (code, value) of the catalogue that at least one column of the
// system has, walked over the draws (oldest first). Code 14 uses the archive
// rule; codes 35..39 take the context.
std::vector<InsRow> insCondizioneRows(std::span<const Column> draws,
                                      const DistributionTable& system, std::int64_t systemColumns,
                                      const MetricContext& ctx);

} // namespace varnelo
