#include "printing/Listing.h"

namespace varnelo {

namespace {

// Pads to `width` characters, counting a UTF-8 sequence as one.
std::string padded(std::string s, std::size_t width) {
    std::size_t chars = 0;
    for (unsigned char ch : s)
        chars += (ch & 0xC0) != 0x80 ? 1 : 0;
    if (chars < width)
        s.append(width - chars, ' ');
    return s;
}

std::string rightAligned(long long n, std::size_t width) {
    std::string s = std::to_string(n);
    return s.size() < width ? std::string(width - s.size(), ' ') + s : s;
}

} // namespace

int listingBlockColumns(ListingSize size) {
    switch (size) {
    case ListingSize::Small:
        return 35;
    case ListingSize::Large:
        return 20;
    case ListingSize::Normal:
        break;
    }
    return 25;
}

int listingFontPoints(ListingSize size) {
    switch (size) {
    case ListingSize::Small:
        return 9;
    case ListingSize::Large:
        return 14;
    case ListingSize::Normal:
        break;
    }
    return 12;
}

int listingSeparatorLength(ListingSize size) {
    const int n = listingBlockColumns(size);
    return 3 * n + n / 5 + 1;
}

std::string numberField(long long n) {
    return (n >= 0 ? " " : "") + std::to_string(n);
}

std::string listingHeading(const std::string& systemName, std::int64_t columns) {
    return "Nome = " + systemName + "   Colonne N° =" + numberField(columns);
}

ColumnListing::ColumnListing(ListingSize size, Emit emit) : size_(size), emit_(std::move(emit)) {
    block_.reserve(static_cast<std::size_t>(listingBlockColumns(size)));
}

void ColumnListing::add(const Column& c) {
    block_.push_back(c);
    if (static_cast<int>(block_.size()) == listingBlockColumns(size_))
        flushBlock();
}

void ColumnListing::finish() {
    if (!block_.empty())
        flushBlock();
    emit_(separator());
}

std::string ColumnListing::separator() const {
    return " " + std::string(static_cast<std::size_t>(listingSeparatorLength(size_)), '-');
}

void ColumnListing::flushBlock() {
    emit_(separator());
    // Each slip label sits above its five columns and their closing bar.
    std::string slips = "  ";
    for (std::size_t first = 0; first < block_.size(); first += 5)
        slips += padded("Sch. N°" + rightAligned(nextSlip_++, 5), 16);
    emit_(slips);
    for (int position = 0; position < kColumnSize; ++position) {
        std::string line = " |";
        for (std::size_t i = 0; i < block_.size(); ++i) {
            line += padded(numberField(block_[i][static_cast<std::size_t>(position)]), 3);
            if (i % 5 == 4)
                line += '|';
        }
        emit_(line);
    }
    block_.clear();
    ++blocks_;
}

} // namespace varnelo
