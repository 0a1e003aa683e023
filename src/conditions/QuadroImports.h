#pragma once

#include "conditions/CarFile.h"
#include "core/Notice.h"
#include "core/Numbers.h"
#include "core/ProgramFolder.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace varnelo {

// The sources of `ColAndOrUsciteSist`. Each reader leaves `out` as it was
// and returns an Italian notice naming the file when it cannot be taken.

// A text file of filter columns: the numbers of one per line, any count.
std::optional<Notice> readTextFilterColumns(const std::filesystem::path& file,
                                            std::vector<ListColumn>& out);

} // namespace varnelo
