#include "reduced/TableFile.h"

#include "core/AtomicWriter.h"
#include "reduced/Combinatorics.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

namespace varnelo {

namespace fs = std::filesystem;

namespace {

constexpr char kMagic[4] = {'V', 'R', 'T', '1'};
constexpr std::size_t kHeader = 8;
constexpr std::size_t kSectionHeader = 9;
// Room of the row store; no shipped table may be larger.
constexpr std::uint32_t kMostRows = 120000;
constexpr std::uintmax_t kMostTableBytes = 64u << 20;

std::uint32_t read32(const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

void put32(std::string& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<char>(v >> (8 * i) & 0xff));
}

} // namespace

bool TableFile::open(const fs::path& file, std::string& error) {
    file_ = file;
    sections_.clear();
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    if (ec || size > kMostTableBytes) {
        error = "Catalogo dei ridotti non leggibile: " + file.filename().string();
        return false;
    }
    std::ifstream in(file, std::ios::binary);
    bytes_.assign(std::istreambuf_iterator<char>(in), {});
    const std::string damaged = "Catalogo dei ridotti danneggiato: " + file.filename().string();
    if (!in.good() && !in.eof()) {
        error = damaged;
        return false;
    }
    if (bytes_.size() < kHeader || !std::equal(kMagic, kMagic + 4, bytes_.begin())) {
        error = damaged;
        return false;
    }
    rowLength_ = static_cast<unsigned char>(bytes_[4]);
    g_ = static_cast<unsigned char>(bytes_[5]);
    c_ = static_cast<unsigned char>(bytes_[6]);
    const std::size_t count = static_cast<unsigned char>(bytes_[7]);
    if (rowLength_ < 1 || rowLength_ > 5 || g_ > rowLength_ || c_ > 7 ||
        bytes_.size() < kHeader + count * kSectionHeader) {
        error = damaged;
        return false;
    }
    std::size_t offset = kHeader + count * kSectionHeader;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kHeader + i * kSectionHeader;
        Section s;
        s.n = static_cast<unsigned char>(bytes_[at]);
        s.rows = read32(bytes_, at + 1);
        s.bytes = read32(bytes_, at + 5);
        s.offset = offset;
        offset += s.bytes;
        if (s.n < rowLength_ || s.n > kMaxPositions || s.rows > kMostRows ||
            offset > bytes_.size()) {
            error = damaged;
            sections_.clear();
            return false;
        }
        sections_.push_back(s);
    }
    return true;
}

const TableFile::Section* TableFile::section(int n) const {
    for (const auto& s : sections_)
        if (s.n == n)
            return &s;
    return nullptr;
}

bool TableFile::table(int n, PositionTable& out, std::string& error) const {
    const Section* s = section(n);
    const std::string damaged = "Catalogo dei ridotti danneggiato: " + file_.filename().string();
    if (!s) {
        error = damaged;
        return false;
    }
    PositionTable t;
    t.rowLength = rowLength_;
    t.n = n;
    t.cells.resize(static_cast<std::size_t>(s->rows) * static_cast<std::size_t>(rowLength_));
    const std::uint64_t all = tableBinomial(n, rowLength_);
    std::size_t at = s->offset;
    const std::size_t end = s->offset + s->bytes;
    std::uint64_t rank = 0;
    for (std::uint32_t i = 0; i < s->rows; ++i) {
        std::uint64_t delta = 0;
        int shift = 0;
        for (;;) {
            if (at >= end || shift > 35) {
                error = damaged;
                return false;
            }
            const auto byte = static_cast<unsigned char>(bytes_[at++]);
            delta |= static_cast<std::uint64_t>(byte & 0x7f) << shift;
            shift += 7;
            if (!(byte & 0x80))
                break;
        }
        rank += delta;
        if (rank >= all) {
            error = damaged;
            return false;
        }
        std::uint8_t* row = t.cells.data() + static_cast<std::size_t>(i) * rowLength_;
        colexUnrank(rank, rowLength_, n, row);
        for (int j = 0; j < rowLength_; ++j)
            ++row[j];
    }
    out = std::move(t);
    return true;
}

bool TableFile::write(const fs::path& file, int rowLength, int g, int c,
                      const std::map<int, PositionTable>& tables, std::string& error) {
    std::string head(kMagic, 4), body;
    head.push_back(static_cast<char>(rowLength));
    head.push_back(static_cast<char>(g));
    head.push_back(static_cast<char>(c));
    head.push_back(static_cast<char>(tables.size()));
    std::vector<std::uint8_t> zero(static_cast<std::size_t>(rowLength));
    for (const auto& [n, t] : tables) {
        std::vector<std::uint64_t> ranks;
        for (std::size_t i = 0; i < t.rows(); ++i) {
            for (int j = 0; j < rowLength; ++j)
                zero[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(t.row(i)[j] - 1);
            ranks.push_back(colexRank(zero.data(), rowLength));
        }
        std::sort(ranks.begin(), ranks.end());
        const std::size_t start = body.size();
        std::uint64_t last = 0;
        for (std::uint64_t r : ranks) {
            std::uint64_t d = r - last;
            last = r;
            do {
                const auto byte = static_cast<unsigned char>(d & 0x7f);
                d >>= 7;
                body.push_back(static_cast<char>(d ? byte | 0x80 : byte));
            } while (d);
        }
        head.push_back(static_cast<char>(n));
        put32(head, static_cast<std::uint32_t>(ranks.size()));
        put32(head, static_cast<std::uint32_t>(body.size() - start));
    }
    return writeFileAtomically(file, head + body, error);
}

} // namespace varnelo
