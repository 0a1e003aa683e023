#pragma once

#include "engine/CandidatePlan.h"

#include <span>

namespace varnelo {

// One family's part of the candidate test: it adds its active slots to the
// plan's tables. The stages run in the order of the candidate test; a new
// family adds its stage to the list and leaves the run's loop alone.
using FamilyStage = void (*)(CandidatePlan& plan, const PlanInputs& in);

std::span<const FamilyStage> familyStages();

// The stages of the shape metrics.
void compilePositionsAndDistances(CandidatePlan& plan, const PlanInputs& in);
void compileSums(CandidatePlan& plan, const PlanInputs& in);
void compileCatalogue(CandidatePlan& plan, const PlanInputs& in);
// The family value rows an incremental input carries: positional digits,
// sequele, remainders, "Baricentro Totale" and the ambata delay sum.
void compileFamilySlots(CandidatePlan& plan, const PlanInputs& in);

} // namespace varnelo
