#pragma once

#include "conditions/ConditionFamilies.h"
#include "conditions/ConditionSet.h"
#include "conditions/Levels.h"
#include "conditions/Links.h"
#include "core/ColumnsSeal.h"
#include "core/Selection.h"
#include "core/SystemOptions.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace varnelo {

struct SystemCounts {
    std::int32_t developed = 0;
    std::int32_t final = 0;
    std::int32_t stored = 0;
    std::int32_t total = 0;
    bool operator==(const SystemCounts&) const = default;
};

// A named block after line 7 of a settings file: "[name]" and its lines.
using SystemSectionLines = std::pair<std::string, std::vector<std::string>>;

// Everything the settings file (.sse) of a system holds.
struct SystemSettings {
    SystemOptions options;
    Selection selection;
    ConditionSet conditions;
    Links links;
    Quadri quadri;
    LevelLimits levels;
    ConditionFamilies families;
    SystemCounts counts;
    // The columns file saved with these settings; none in files of older
    // versions. Kept in header fields 12-14, which older readers pass over.
    std::optional<ColumnsSeal> seal;
    // The file ended after line 4: a columns-only system, no conditions.
    bool columnsOnly = false;
    // Sections this program does not know, kept as read and written back.
    std::vector<SystemSectionLines> otherSections;
};

// The text of a settings file: lines 1-7 and then every registered section.
// Without saveColumns the developed, stored and total counts are written as 0.
std::string formatSystemSettings(const SystemSettings& s, bool saveColumns);

enum class SettingsFileState { Read, Empty, Damaged };
// Empty: nothing but blanks. Damaged: lines 1-4 missing or not numbers, or a
// file that goes past line 4 and ends before line 7, or a bad record in a
// known section. On Damaged `out` is left unchanged.
enum class SettingsLayout {
    Current,
    // Systems of the previous version: only lines 1-4 share the layout, the
    // rest is not read and the system opens without conditions.
    PreviousVersion
};
SettingsFileState parseSystemSettings(std::string_view text, SystemSettings& out,
                                      SettingsLayout layout = SettingsLayout::Current);

// Reads a settings file for parseSystemSettings: at most 64 MB, and the
// blank lines after the fixed lines, which no reader looks at, cost nothing.
// False with an Italian message when it cannot be read.
bool readSystemSettingsFile(const std::filesystem::path& path, std::string& text,
                            std::string& error);

// A section of the settings file owned by a condition family. A section
// missing from a file leaves what `read` would fill at its default; `read`
// returns false for a record it cannot take, which marks the file damaged.
struct SystemSection {
    std::string name;
    std::function<void(const SystemSettings&, std::vector<std::string>&)> write;
    std::function<bool(const std::vector<std::string>&, SystemSettings&)> read;
};
// Registers a section, written after those registered before it. Families
// register from their own file: `const bool r = registerSystemSection({...});`
bool registerSystemSection(SystemSection section);
// The sections of links, point quadri, levels and the condition families,
// written after "[condizioni]" (ConditionSections.cpp).
std::vector<SystemSection> conditionSections();

// Puts the seal into header fields 12-14 of a 20-field header.
void writeSealFields(std::vector<long long>& header, const ColumnsSeal& seal);

// Numbers in list form: each preceded by its sign position (blank or "-")
// and followed by one blank.
std::string listForm(const std::vector<long long>& values);
// Splits a list-form line; false when an item is not an integer.
bool readList(std::string_view line, std::vector<long long>& values);

} // namespace varnelo
