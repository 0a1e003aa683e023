#include "core/ColumnStore.h"

#include <cstring>

namespace varnelo {

namespace {
constexpr std::size_t kBytes = static_cast<std::size_t>(kColumnSize) * (ColumnStore::kCapacity + 1);
}

ColumnStore::ColumnStore() : data_(new std::uint8_t[kBytes]()) {}

void ColumnStore::clear() {
    std::memset(data_.get(), 0, kBytes);
    storedCount = systemTotal = developedCount = finalCount = 0;
    hasColumns = false;
}

} // namespace varnelo
