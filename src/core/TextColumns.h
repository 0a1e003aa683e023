#pragma once

#include "core/ColumnStore.h"
#include "core/ColumnsFile.h"
#include "core/Progress.h"
#include "core/Selection.h"
#include "core/SystemOptions.h"

#include <filesystem>
#include <string_view>

namespace varnelo {

// What the number-entry window shows once the numbers come from imported columns.
inline constexpr std::string_view kReworkForecastText =
    "Nella Rielaborazione non e possibile modificare il pronostico:";

// The numbers of one text line as the import reads them: two digits in a
// row make one number, one digit followed by anything else another, every
// other character separates; at most the first five.
std::vector<int> importLineNumbers(std::string_view line);

struct ImportOutcome : TaskOutcome {
    std::int32_t imported = 0; // columns appended
    std::int32_t skipped = 0;  // lines with fewer than five numbers
};

// "Importa colonne da file di testo": appends the columns of the file after
// those already held, marks their numbers as chosen and makes the system a
// columns-only one (development kind 5). A refused file, an error or a cancel
// changes nothing: counters, selection and options stay as they were.
ImportOutcome importColumns(const std::filesystem::path& file, ColumnStore& store,
                            Selection& selection, SystemOptions& options, Progress& progress);

} // namespace varnelo
