#include "core/TextFile.h"

#include "core/LineReader.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace varnelo {

namespace {

bool isValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t extra;
        if (c < 0x80)
            extra = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            extra = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            extra = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            extra = 3;
        else
            return false;
        if (i + extra >= s.size())
            return false;
        for (std::size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += extra + 1;
    }
    return true;
}

// Windows-1252 bytes 0x80..0x9F; 0 where the code page leaves a hole.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::string decodeText(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    if (isValidUtf8(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80)
            out += ch;
        else if (c < 0xA0)
            appendUtf8(out, kHigh[c - 0x80] ? kHigh[c - 0x80] : char16_t(0xFFFD));
        else
            appendUtf8(out, c);
    }
    return out;
}

bool checkTextFile(const fs::path& path, std::size_t maxBytes, std::string& error) {
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        error = "Il file " + path.string() + " non esiste.";
        return false;
    }
    if (fs::is_directory(path, ec)) {
        error = "Al posto del file " + path.string() + " c'e una cartella.";
        return false;
    }
    const auto size = fs::file_size(path, ec);
    if (ec) {
        error = "Impossibile leggere il file " + path.string() + ".";
        return false;
    }
    if (size > maxBytes) {
        error = "Il file " + path.string() + " e troppo grande (" + std::to_string(size) +
                " byte, al massimo " + std::to_string(maxBytes) + ").";
        return false;
    }
    return true;
}

bool readTextLines(const fs::path& path, std::size_t maxBytes, std::size_t keepBlankLines,
                   std::string& text, std::string& error) {
    if (!checkTextFile(path, maxBytes, error))
        return false;
    LineReader in(path, 1u << 20);
    if (!in.isOpen()) {
        error = "Impossibile leggere il file " + path.string() + ".";
        return false;
    }
    std::string out;
    std::string_view line;
    for (std::size_t n = 0; in.next(line); ++n) {
        if (n == 0 && line.substr(0, 3) == "\xEF\xBB\xBF")
            line.remove_prefix(3);
        if (n >= keepBlankLines && trimBlanks(line).empty())
            continue;
        out += decodeText(line);
        out += '\n';
    }
    if (in.failed()) {
        error = "Impossibile leggere il file " + path.string() + ".";
        return false;
    }
    text = std::move(out);
    return true;
}

bool readTextFile(const fs::path& path, std::size_t maxBytes, std::string& text,
                  std::string& error) {
    if (!checkTextFile(path, maxBytes, error))
        return false;
    // The file may have gone or grown since it was checked.
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    std::ifstream in(path, std::ios::binary);
    if (ec || size > maxBytes || !in) {
        error = "Impossibile leggere il file " + path.string() + ".";
        return false;
    }
    std::string raw(static_cast<std::size_t>(size), '\0');
    if (!in.read(raw.data(), static_cast<std::streamsize>(size))) {
        error = "Impossibile leggere il file " + path.string() + ".";
        return false;
    }
    text = decodeText(raw);
    return true;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos)
            end = text.size();
        std::size_t stop = end;
        if (stop > start && text[stop - 1] == '\r')
            --stop;
        lines.push_back(text.substr(start, stop - start));
        start = next;
    }
    return lines;
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool parseIntegerText(std::string_view s, long long& value) {
    s = trimBlanks(s);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    if (s.empty())
        return false;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), value);
    return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

} // namespace varnelo
