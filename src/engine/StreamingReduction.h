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
    bool close(const Column& a, const Column& b) const;

    void add(const Column& c);
    std::size_t size() const { return columns_.size(); }
    bool full() const { return columns_.size() > kHighMark; }

    // Scores the buffer and keeps columns until at most `target` remain
    // (0: until it is empty). Returns false when cancelled while scoring.
    bool reduce(std::size_t target, const std::function<void(const Column&)>& keep,
                const std::atomic<bool>& cancel);

  private:
    bool closeAt(std::size_t i, std::size_t j) const;
    void removeAt(std::size_t i);

    int shared_;
    std::vector<Column> columns_;
    std::vector<std::uint64_t> masks_;
    std::vector<std::int32_t> scores_;
};

} // namespace varnelo
