#pragma once

#include "engine/CandidatePlan.h"

#include <span>

namespace varnelo {

// One family's part of the candidate test: it adds its active slots to the
// plan's tables (CandidatePlan::addSlot), each valued through an input the
// run already keeps: the key of parities and gaps, the sum, the decades,
// the positions and distances, or a sum of per-number values of its own
// (CandidatePlan::additiveInput: digits, decade and unit sums, delays...).
// The stages run in the order of the candidate test; a new family adds its
// stage to the list and leaves the run's loop alone.
using FamilyStage = void (*)(CandidatePlan& plan, const PlanInputs& in);

std::span<const FamilyStage> familyStages();

// The stages of the shape metrics.
void compilePositionsAndDistances(CandidatePlan& plan, const PlanInputs& in);
void compileSums(CandidatePlan& plan, const PlanInputs& in);
void compileCatalogue(CandidatePlan& plan, const PlanInputs& in);
// The family value rows an input the run keeps carries: positional digits,
// sequele, positional parity, remainders and "Baricentro Totale". The others leave the few
// per-number inputs to the sums and comparisons and are asked per column
// (FamilyChecks).
void compileFamilySlots(CandidatePlan& plan, const PlanInputs& in);
// The last stage: the family rows valued by per-number sums take the
// per-number inputs still free (or shared with an equal table).
void compileFamilySums(CandidatePlan& plan, const PlanInputs& in);

} // namespace varnelo
