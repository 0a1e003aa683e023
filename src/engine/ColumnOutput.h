#pragma once

#include "conditions/Metrics.h"
#include "core/ColumnStore.h"

#include <cstdio>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace varnelo {

// Where a run puts the columns it keeps: the column list while it has room,
// then the overflow file, one columns-file line per column.
class ColumnOutput {
  public:
    ColumnOutput(ColumnStore& store, std::int32_t presetRows, std::int32_t memoryRows,
                 std::filesystem::path overflowPath);
    // A share of a parallel run: every column goes to `buffer`, in order,
    // and the run that merges the shares stores them.
    explicit ColumnOutput(std::vector<Column>& buffer);
    ~ColumnOutput();
    ColumnOutput(const ColumnOutput&) = delete;
    ColumnOutput& operator=(const ColumnOutput&) = delete;

    // Truncates the overflow file; false with an Italian message when it cannot.
    bool open(std::string& error);
    void put(const Column& c) {
        if (buffer_)
            buffer_->push_back(c);
        else if (inMemory_ < memoryRows_)
            store_->store(++inMemory_, c);
        else
            spill(c);
    }
    // `count` columns sharing the first four numbers of `prefix`, the last
    // number taken from `last` in turn.
    void putRun(const Column& prefix, const int* last, int count);
    // Columns in their order, in one go.
    void putAll(std::span<const Column> columns);
    // Rows first.. first + count - 1 of the list, put there by a share of a
    // parallel run, become the next rows (first lies past them).
    void moveUp(std::int32_t first, std::int32_t count);
    std::int32_t inMemory() const { return inMemory_; }
    std::int32_t total() const { return inMemory_ + overflow_; }
    bool holdsInMemory() const { return inMemory_ < memoryRows_; }

    // Closes the overflow file; false when a write failed.
    bool close();
    // A cancelled run: the overflow file is left empty.
    void discard();

  private:
    void spill(const Column& c);

    ColumnStore* store_ = nullptr;
    std::vector<Column>* buffer_ = nullptr;
    std::int32_t inMemory_;
    std::int32_t memoryRows_;
    std::int32_t overflow_ = 0;
    std::filesystem::path path_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

} // namespace varnelo
