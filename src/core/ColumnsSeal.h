#pragma once

#include "core/Numbers.h"

#include <cstdint>

namespace varnelo {

// What a settings file records of the columns file saved with it, so that
// opening can tell a columns file left from another save.
struct ColumnsSeal {
    std::int64_t count = 0;
    // 31 bits, so it fits a header field of the settings file.
    std::int32_t checksum = 0;
    bool operator==(const ColumnsSeal&) const = default;
};

// Builds the seal of columns taken in file order.
class ColumnsDigest {
  public:
    void add(const Column& column) {
        for (std::uint8_t n : column) {
            hash_ ^= n;
            hash_ *= 16777619u;
        }
        ++count_;
    }
    ColumnsSeal seal() const { return {count_, static_cast<std::int32_t>(hash_ & 0x7fffffffu)}; }

  private:
    std::uint32_t hash_ = 2166136261u;
    std::int64_t count_ = 0;
};

} // namespace varnelo
