#pragma once

#include "core/Numbers.h"

#include <cstdint>
#include <memory>

namespace varnelo {

// `Colonne`: the developed columns of the current system, position-major
// (one contiguous plane of capacity + 1 bytes per position), allocated once.
class ColumnStore {
public:
    static constexpr std::int32_t kCapacity = 2120000;

    // Throws std::bad_alloc when the memory is not there.
    ColumnStore();

    std::int32_t capacity() const { return kCapacity; }

    // Column numbers start at 1; row 0 is never used.
    void store(std::int32_t i, const Column& c) {
        for (int p = 0; p < kColumnSize; ++p)
            plane(p + 1)[i] = c[p];
    }
    Column column(std::int32_t i) const {
        Column c;
        for (int p = 0; p < kColumnSize; ++p)
            c[p] = plane(p + 1)[i];
        return c;
    }
    // Position 1..5 of every column; index by column number.
    std::uint8_t* plane(int position) {
        return data_.get() + static_cast<std::size_t>(position - 1) * (kCapacity + 1);
    }
    const std::uint8_t* plane(int position) const {
        return data_.get() + static_cast<std::size_t>(position - 1) * (kCapacity + 1);
    }

    // Empties the table (never shrinks it) and zeroes every counter.
    void clear();

    std::int32_t storedCount = 0;     // rows 1..storedCount are valid
    std::int32_t systemTotal = 0;     // all columns of the system, overflow included
    std::int32_t developedCount = 0;  // produced by the last development before any reduction
    std::int32_t finalCount = 0;      // shown as "Colonne finali = "
    bool hasColumns = false;

private:
    std::unique_ptr<std::uint8_t[]> data_;
};

} // namespace varnelo
