#pragma once

#include "core/Numbers.h"

#include <cstdint>
#include <functional>
#include <string>

namespace varnelo {

// "Piccolo", "Normale", "Grande": font size and columns side by side.
enum class ListingSize { Small = 0, Normal = 1, Large = 2 };
int listingBlockColumns(ListingSize size); // 35, 25, 20
int listingFontPoints(ListingSize size);   // 9, 12, 14
// The dashes of a separator: three per column, one per slip boundary, one more.
int listingSeparatorLength(ListingSize size);

// A whole number as the listing writes it: a leading blank when not negative.
std::string numberField(long long n);

// "Nome = " name "   Colonne N° =" count.
std::string listingHeading(const std::string& systemName, std::int64_t columns);

// The column listing, block by block: columns go in one at a time and the
// finished lines come out through `emit`, so that no block outlives its
// printing. Slips are numbered on from block to block.
class ColumnListing {
  public:
    using Emit = std::function<void(const std::string& line)>;
    ColumnListing(ListingSize size, Emit emit);
    void add(const Column& c);
    // The last, partial block and the closing separator.
    void finish();
    std::int64_t blocksWritten() const { return blocks_; }

  private:
    void flushBlock();
    std::string separator() const;

    ListingSize size_;
    Emit emit_;
    std::vector<Column> block_;
    std::int64_t blocks_ = 0;
    std::int64_t nextSlip_ = 1;
};

} // namespace varnelo
