#pragma once

#include "checking/PrizeSheet.h"
#include "ui/PrintPreview.h"

namespace varnelo {

// The prize sheet as one page to hang in the shop: the heading, the date,
// the point of sale, a rule of dashes and the prize rows.
PagePainter prizeSheetPage(const PrizeSheet& sheet);

} // namespace varnelo
