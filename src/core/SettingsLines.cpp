#include "core/SettingsLines.h"

#include "core/AtomicWriter.h"
#include "core/TextFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

namespace varnelo {

namespace {
constexpr std::size_t kMaxSettingsBytes = 1u << 20;

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}
} // namespace

SettingsLines::SettingsLines(const std::filesystem::path& path, std::size_t maxLines) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return;
    std::string text;
    if (!readTextFile(path, kMaxSettingsBytes, text, error_))
        return;
    for (auto line : splitLines(text)) {
        if (lines_.size() == maxLines)
            break;
        lines_.emplace_back(trimBlanks(line));
    }
}

bool SettingsLines::flag(std::size_t i, bool fallback) const {
    if (i >= lines_.size())
        return fallback;
    const std::string v = lower(lines_[i]);
    if (v == "1" || v == "-1" || v == "true" || v == "#true#" || v == "vero")
        return true;
    if (v == "0" || v == "false" || v == "#false#" || v == "falso")
        return false;
    return fallback;
}

long long SettingsLines::integer(std::size_t i, long long fallback, long long min,
                                 long long max) const {
    long long v = 0;
    if (i >= lines_.size() || !parseIntegerText(lines_[i], v) || v < min || v > max)
        return fallback;
    return v;
}

long long SettingsLines::clamped(std::size_t i, long long fallback, long long min,
                                 long long max) const {
    long long v = 0;
    if (i >= lines_.size() || !parseIntegerText(lines_[i], v))
        return fallback;
    return std::clamp(v, min, max);
}

double SettingsLines::decimal(std::size_t i, double fallback) const {
    if (i >= lines_.size())
        return fallback;
    std::string s = lines_[i];
    std::replace(s.begin(), s.end(), ',', '.');
    double v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(v))
        return fallback;
    return v;
}

std::string SettingsLines::text(std::size_t i, const std::string& fallback) const {
    return i < lines_.size() ? lines_[i] : fallback;
}

bool writeSettingsLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                        std::string& error) {
    return writeFileAtomically(path, joinLines(lines), error);
}

std::string decimalText(double value, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    std::string s(buf);
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.')
            s.pop_back();
    }
    return s == "-0" ? "0" : s;
}

} // namespace varnelo
