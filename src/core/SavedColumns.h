#pragma once

#include "core/Notice.h"
#include "core/Numbers.h"
#include "core/ProgramFolder.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace varnelo {

// The columns of a saved system, qor/<name>.cna, read without touching the
// current system (imports into filter lists and quadri). The first `keep`
// columns go to `out`; `total` counts every column of the file, so that the
// caller can refuse or cut a system that does not fit. A missing file or a
// bad line gives a notice naming the file, and `out` stays as it was.
std::optional<Notice> readSavedColumns(const ProgramFolder& folder, const std::string& name,
                                       std::size_t keep, std::vector<Column>& out,
                                       std::size_t& total);

} // namespace varnelo
