#pragma once

#include "core/Numbers.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

namespace varnelo {

// The buffer of the streaming reduction with threshold R: two columns are
// close when one holds fewer than R numbers the other lacks, that is when
// they share at least 6 - R numbers.
class StreamingReduction {
  public:
    static constexpr int kHighMark = 600;
    static constexpr int kLowMark = 400;

    explicit StreamingReduction(int threshold);

    int sharedToBeClose() const { return shared_; }

    void add(const Column& c);
    std::size_t size() const { return order_.size(); }
    bool full() const { return order_.size() > kHighMark; }

    // Keeps columns until at most `target` remain (0: until the buffer is
    // empty). Returns false, keeping nothing, when the run is being cancelled.
    bool reduce(std::size_t target, const std::function<void(const Column&)>& keep,
                const std::atomic<bool>& cancel);

  private:
    bool close(std::uint16_t a, std::uint16_t b) const;
    void link(std::uint16_t a, std::uint16_t b);
    void remove(std::uint16_t id);

    int shared_;
    // Per buffered column (by a stable id): numbers, mask, how many buffered
    // columns are close to it (itself included) and which ones.
    std::vector<Column> columns_;
    std::vector<std::uint64_t> masks_;
    std::vector<std::int32_t> counts_;
    // Neighbours are (id, generation of the id) pairs: a list is never
    // cleaned, an entry whose column has left no longer matches.
    std::vector<std::vector<std::uint64_t>> neighbours_;
    std::vector<std::uint32_t> generation_;
    std::vector<std::uint8_t> present_;
    std::vector<std::uint16_t> freeIds_;
    // The buffer in its order: ids.
    std::vector<std::uint16_t> order_;
    // With R = 2: for every 4-subset rank, the buffered columns holding it
    // (entry id * 5 + k, chained through next_).
    std::vector<std::uint32_t> head_;
    std::vector<std::uint32_t> next_;
    std::vector<std::uint32_t> rankOf_;
};

} // namespace varnelo
