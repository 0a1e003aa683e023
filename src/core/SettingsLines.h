#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace varnelo {

// A settings file of one value per line. Missing, short, oversized or
// garbled files never stop the program: every value that cannot be read
// returns the caller's default.
class SettingsLines {
  public:
    // Keeps at most maxLines lines.
    SettingsLines(const std::filesystem::path& path, std::size_t maxLines);

    std::size_t size() const { return lines_.size(); }
    // Why nothing was read (a file that exists but is unreadable or too
    // large); empty when the file was read or is simply missing.
    const std::string& error() const { return error_; }

    // 1, -1, True, #TRUE#, Vero are on; 0, False, #FALSE#, Falso off.
    bool flag(std::size_t i, bool fallback) const;
    // An integer; out of [min, max] keeps the fallback.
    long long integer(std::size_t i, long long fallback, long long min, long long max) const;
    // An integer clamped into [min, max].
    long long clamped(std::size_t i, long long fallback, long long min, long long max) const;
    // A decimal with "." or ",".
    double decimal(std::size_t i, double fallback) const;
    std::string text(std::size_t i, const std::string& fallback) const;

  private:
    std::vector<std::string> lines_;
    std::string error_;
};

// Writes the lines with CRLF ends over the file, through a temporary file.
bool writeSettingsLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                        std::string& error);

// "1" / "0".
inline std::string flagText(bool on) {
    return on ? "1" : "0";
}
// A decimal with "." and at most `decimals` digits after it, trailing zeros dropped.
std::string decimalText(double value, int decimals);

} // namespace varnelo
