#include "system/SystemFile.h"

#include "core/SettingsLines.h"
#include "core/TextFile.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace varnelo {

namespace {

constexpr int kHeaderFields = 20;
// Header fields 12, 13 and 14: 1 when a seal follows, its count and checksum.
constexpr std::size_t kSealMark = 11;
constexpr std::size_t kSealCount = 12;
constexpr std::size_t kSealChecksum = 13;
constexpr int kActivationLines = 100;
constexpr int kActivationPerLine = 6;
// Physical lines: header, numbers, Numeroni, description, flag, activation table, coverage.
constexpr std::size_t kFixedLines = 5 + kActivationLines + 1;

// The value cells of the condition set: one record "slot value status level"
// per cell that is not white.
void writeConditions(const SystemSettings& s, std::vector<std::string>& lines) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const ValueRange r = slotValueRange(slot);
        for (int v = r.min; v <= r.max; ++v) {
            const ValueCell c = s.conditions.cell(slot, v);
            if (c.status != CellStatus::NotAdmitted || c.level != 0)
                lines.push_back(std::to_string(slot) + " " + std::to_string(v) + " " +
                                std::to_string(static_cast<int>(c.status)) + " " +
                                std::to_string(c.level));
        }
    }
}

bool readConditions(const std::vector<std::string>& lines, SystemSettings& s) {
    std::vector<long long> f;
    for (const auto& line : lines) {
        if (!readList(line, f) || f.size() != 4)
            return false;
        const int slot = static_cast<int>(f[0]);
        if (f[0] < 1 || f[0] > kSlotCount)
            return false;
        const ValueRange r = slotValueRange(slot);
        if (f[1] < r.min || f[1] > r.max || f[2] < 0 || f[2] > 2 || f[3] < 0 || f[3] > kLevelCount)
            return false;
        s.conditions.setCell(
            slot, static_cast<int>(f[1]),
            ValueCell{static_cast<CellStatus>(f[2]), static_cast<std::uint8_t>(f[3])});
    }
    return true;
}

std::vector<SystemSection>& sections() {
    static std::vector<SystemSection> list = [] {
        std::vector<SystemSection> l = {{"condizioni", writeConditions, readConditions}};
        for (auto& section : conditionSections())
            l.push_back(std::move(section));
        return l;
    }();
    return list;
}

bool isSectionHeader(std::string_view line, std::string& name) {
    line = trimBlanks(line);
    if (line.size() < 3 || line.front() != '[' || line.back() != ']')
        return false;
    name = std::string(line.substr(1, line.size() - 2));
    return true;
}

} // namespace

bool registerSystemSection(SystemSection section) {
    sections().push_back(std::move(section));
    return true;
}

void writeSealFields(std::vector<long long>& header, const ColumnsSeal& seal) {
    header[kSealMark] = 1;
    header[kSealCount] = seal.count;
    header[kSealChecksum] = seal.checksum;
}

std::string listForm(const std::vector<long long>& values) {
    std::string out;
    for (long long v : values) {
        out += v < 0 ? '-' : ' ';
        out += std::to_string(v < 0 ? -v : v);
        out += ' ';
    }
    return out;
}

bool readList(std::string_view line, std::vector<long long>& values) {
    values.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
        if (i == line.size())
            break;
        std::size_t j = i;
        while (j < line.size() && line[j] != ' ' && line[j] != '\t' && line[j] != '\r')
            ++j;
        long long v = 0;
        if (!parseIntegerText(line.substr(i, j - i), v))
            return false;
        values.push_back(v);
        i = j;
    }
    return true;
}

std::string formatSystemSettings(const SystemSettings& s, bool saveColumns) {
    const SystemOptions& o = s.options;
    const SystemCounts& c = s.counts;
    std::vector<long long> header(kHeaderFields, 0);
    header[0] = o.kindCode;
    header[1] = o.headerOption2;
    header[2] = o.developmentLevel;
    header[3] = o.headerOption4;
    header[4] = saveColumns ? c.developed : 0;
    header[5] = c.final;
    header[7] = saveColumns ? c.stored : 0;
    header[8] = saveColumns ? c.total : 0;
    header[9] = o.guaranteeKind;
    header[10] = o.headerOption11;
    if (s.seal)
        writeSealFields(header, *s.seal);
    std::vector<std::string> lines;
    lines.push_back(listForm(header));
    std::vector<long long> numbers(50, 0);
    for (int n = 1; n <= kMaxNumber; ++n)
        numbers[static_cast<std::size_t>(n - 1)] = s.selection.state(n);
    lines.push_back(listForm(numbers));
    std::vector<long long> numeroni(kMaxNumerone, 0);
    for (int n = 1; n <= kMaxNumerone; ++n)
        numeroni[static_cast<std::size_t>(n - 1)] = s.selection.numerone(n) ? 1 : 0;
    lines.push_back(listForm(numeroni));
    lines.push_back(o.description);
    if (!s.columnsOnly) {
        lines.push_back(listForm({o.optionFlag}));
        for (int r = 0; r < kActivationLines; ++r) {
            std::vector<long long> row;
            for (int k = 0; k < kActivationPerLine; ++k) {
                const int slot = r * kActivationPerLine + k;
                row.push_back(slot <= kSlotCount && s.conditions.isActive(slot) ? 1 : 0);
            }
            lines.push_back(listForm(row));
        }
        lines.push_back(o.coverage < 1 || o.coverage > 100 ? "100" : decimalText(o.coverage, 1));
        for (const auto& section : sections()) {
            lines.push_back("[" + section.name + "]");
            section.write(s, lines);
        }
        for (const auto& [name, body] : s.otherSections) {
            lines.push_back("[" + name + "]");
            lines.insert(lines.end(), body.begin(), body.end());
        }
    }
    return joinLines(lines);
}

namespace {

using LineViews = std::vector<std::string_view>;

// Line 1: the header fields.
bool readHeader(std::string_view line, SystemSettings& s) {
    std::vector<long long> v;
    if (!readList(line, v) || v.size() != kHeaderFields)
        return false;
    for (long long x : v)
        if (x < INT32_MIN || x > INT32_MAX)
            return false;
    s.options.kindCode = static_cast<int>(v[0]);
    s.options.headerOption2 = static_cast<int>(v[1]);
    s.options.developmentLevel = static_cast<int>(v[2]);
    s.options.headerOption4 = static_cast<int>(v[3]);
    s.counts = {static_cast<std::int32_t>(v[4]), static_cast<std::int32_t>(v[5]),
                static_cast<std::int32_t>(v[7]), static_cast<std::int32_t>(v[8])};
    if (s.counts.developed < 0 || s.counts.final < 0 || s.counts.stored < 0 || s.counts.total < 0)
        return false;
    s.options.guaranteeKind = static_cast<int>(v[9]);
    s.options.headerOption11 = static_cast<int>(v[10]);
    if (v[kSealMark] == 1 && v[kSealCount] >= 0 && v[kSealChecksum] >= 0)
        s.seal = ColumnsSeal{v[kSealCount], static_cast<std::int32_t>(v[kSealChecksum])};
    return true;
}

// Lines 2 and 3: the state of every number and the Numeroni.
bool readForecast(std::string_view numbers, std::string_view numeroni, Selection& selection) {
    std::vector<long long> v;
    if (!readList(numbers, v) || v.size() != 50)
        return false;
    for (int n = 1; n <= kMaxNumber; ++n) {
        const long long st = v[static_cast<std::size_t>(n - 1)];
        if (st < 0 || st > 2 || !selection.setState(n, static_cast<Selection::State>(st)))
            return false;
    }
    if (!readList(numeroni, v) || v.size() != kMaxNumerone)
        return false;
    for (int n = 1; n <= kMaxNumerone; ++n) {
        const long long f = v[static_cast<std::size_t>(n - 1)];
        if (f != 0 && f != 1 && f != -1)
            return false;
        selection.setNumerone(n, f != 0);
    }
    return true;
}

// Lines 5..7: the option flag, the activation flags and the coverage.
bool readConditionLines(const LineViews& lines, SystemSettings& s) {
    std::vector<long long> v;
    if (!readList(lines[4], v) || v.size() != 1 || v[0] < 0 || v[0] > 255)
        return false;
    s.options.optionFlag = static_cast<int>(v[0]);
    for (int r = 0; r < kActivationLines; ++r) {
        if (!readList(lines[static_cast<std::size_t>(5 + r)], v) || v.size() != kActivationPerLine)
            return false;
        for (int k = 0; k < kActivationPerLine; ++k) {
            const long long f = v[static_cast<std::size_t>(k)];
            if (f < 0 || f > 255)
                return false;
            s.conditions.setActive(r * kActivationPerLine + k, f != 0);
        }
    }
    std::string coverage(trimBlanks(lines[kFixedLines - 1]));
    std::replace(coverage.begin(), coverage.end(), ',', '.');
    char* end = nullptr;
    const double cov = std::strtod(coverage.c_str(), &end);
    if (coverage.empty() || end != coverage.c_str() + coverage.size() || !std::isfinite(cov))
        return false;
    s.options.coverage = cov < 1 || cov > 100 ? 100.0 : cov;
    return true;
}

// The named sections after line 7; anything before the first header is
// passed over, sections no family reads are kept as they are.
bool readSections(const LineViews& lines, SystemSettings& s) {
    std::vector<SystemSectionLines> found;
    std::string name;
    for (std::size_t i = kFixedLines; i < lines.size(); ++i) {
        if (isSectionHeader(lines[i], name))
            found.push_back({name, {}});
        else if (!found.empty() && !trimBlanks(lines[i]).empty())
            found.back().second.emplace_back(trimBlanks(lines[i]));
    }
    for (auto& section : found) {
        const auto& known = sections();
        const auto it = std::find_if(known.begin(), known.end(), [&](const SystemSection& k) {
            return k.name == section.first;
        });
        if (it == known.end())
            s.otherSections.push_back(std::move(section));
        else if (!it->read(section.second, s))
            return false;
    }
    return true;
}

} // namespace

bool readSystemSettingsFile(const std::filesystem::path& path, std::string& text,
                            std::string& error) {
    constexpr std::size_t kMaxBytes = 64u << 20;
    return readTextLines(path, kMaxBytes, kFixedLines, text, error);
}

SettingsFileState parseSystemSettings(std::string_view text, SystemSettings& out,
                                      SettingsLayout layout) {
    auto lines = splitLines(text);
    while (!lines.empty() && trimBlanks(lines.back()).empty())
        lines.pop_back();
    if (lines.empty())
        return SettingsFileState::Empty;
    if (lines.size() < 4)
        return SettingsFileState::Damaged;
    SystemSettings s;
    if (!readHeader(lines[0], s) || !readForecast(lines[1], lines[2], s.selection))
        return SettingsFileState::Damaged;
    s.options.description = std::string(trimBlanks(lines[3]));
    if (lines.size() == 4 || layout == SettingsLayout::PreviousVersion) {
        s.columnsOnly = true;
        out = std::move(s);
        return SettingsFileState::Read;
    }
    if (lines.size() < kFixedLines || !readConditionLines(lines, s) || !readSections(lines, s))
        return SettingsFileState::Damaged;
    out = std::move(s);
    return SettingsFileState::Read;
}

} // namespace varnelo
