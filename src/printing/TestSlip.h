#pragma once

#include "printing/PrintFiles.h"
#include "printing/SlipPages.h"

namespace varnelo {

// The slip "  Prova Stampa  " prints: every box (ink "Tutti"), every other
// box ("Metta") or the corner boxes of each block ("Pochi"), so that a few
// marks already show whether the printer is off; in every grid (`marker` 0)
// or in grid `marker` (1..5) alone.
PrintBuffer testSlip(TestInk ink, int marker);

} // namespace varnelo
