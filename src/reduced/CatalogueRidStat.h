#pragma once

#include "reduced/Catalogue.h"

#include <string>
#include <vector>

namespace varnelo {

// The `RidStat.txt` record of every catalogue code, in catalogue order,
// from the tables of `catalogue`. False with the message of the first table
// that cannot be read.
bool catalogueRidStatRecords(const Catalogue& catalogue, std::vector<std::string>& records,
                             std::string& error);

} // namespace varnelo
