#pragma once

#include "printing/SlipLayout.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

// A PDF read back as a reader sees it, through poppler's tools: pages as
// pixels and the text as words.
namespace varnelo::test {

// pdftoppm at 144 dots per inch: ten twips to the pixel.
inline constexpr int kTwipsPerPixel = 10;

struct Picture {
    int width = 0;
    int height = 0;
    std::string rgb;
    bool ok() const { return width > 0 && rgb.size() == std::size_t(width) * height * 3; }
    std::uint32_t at(int x, int y) const {
        const auto i = static_cast<std::size_t>((y * width + x) * 3);
        return (std::uint32_t(std::uint8_t(rgb[i])) << 16) |
               (std::uint32_t(std::uint8_t(rgb[i + 1])) << 8) | std::uint8_t(rgb[i + 2]);
    }
    // The colour in the middle of a mark placed at a layout position.
    std::uint32_t markAt(TwipPoint p) const {
        return at((p.x + SlipGeometry::markWidth / 2) / kTwipsPerPixel,
                  (p.y + SlipGeometry::markHeight / 2) / kTwipsPerPixel);
    }
};

inline std::string readWhole(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Page `page` of a PDF as pixels (binary PPM from pdftoppm); not ok() when
// the page cannot be rendered.
inline Picture renderPage(const std::filesystem::path& pdf, int page) {
    const auto ppm = pdf.parent_path() / "page";
    const std::string cmd = "pdftoppm -r 144 -f " + std::to_string(page) + " -l " +
                            std::to_string(page) + " -singlefile '" + pdf.string() + "' '" +
                            ppm.string() + "'";
    Picture p;
    if (std::system(cmd.c_str()) != 0)
        return p;
    std::ifstream in(ppm.string() + ".ppm", std::ios::binary);
    std::string magic;
    int max = 0;
    in >> magic >> p.width >> p.height >> max;
    in.get();
    p.rgb.assign(std::istreambuf_iterator<char>(in), {});
    if (magic != "P6")
        p.width = 0;
    return p;
}

// The number of pages pdfinfo reports; -1 when it cannot read the file.
inline int pageCount(const std::filesystem::path& pdf) {
    const auto info = pdf.parent_path() / "info";
    const std::string cmd =
        "pdfinfo '" + pdf.string() + "' | grep '^Pages:' > '" + info.string() + "'";
    if (std::system(cmd.c_str()) != 0)
        return -1;
    std::istringstream in(readWhole(info));
    std::string label;
    int pages = -1;
    in >> label >> pages;
    return pages;
}

// Lines word by word, blank lines dropped: pdftotext guesses blanks from
// the glyph positions, so the blank runs are the font's business.
inline std::string wordsByLine(const std::string& s) {
    std::istringstream in(s);
    std::string out, line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string word, joined;
        while (words >> word)
            joined += (joined.empty() ? "" : " ") + word;
        if (!joined.empty())
            out += joined + "\n";
    }
    return out;
}

// The text of a PDF as wordsByLine() gives it; empty when unreadable.
inline std::string pdfWords(const std::filesystem::path& pdf) {
    const auto text = pdf.parent_path() / "testo.txt";
    const std::string cmd =
        "pdftotext -layout -nopgbrk '" + pdf.string() + "' '" + text.string() + "'";
    if (std::system(cmd.c_str()) != 0)
        return {};
    return wordsByLine(readWhole(text));
}

} // namespace varnelo::test
