#pragma once

#include "Subsets.h"

#include <cstdint>
#include <vector>

namespace varnelo::covergen {

// The ids still uncovered, with constant-time insert, erase and a pick at
// random.
class OpenSet {
  public:
    explicit OpenSet(std::size_t ids) : where_(ids, -1) {}

    bool contains(std::uint64_t id) const { return where_[id] >= 0; }
    bool empty() const { return items_.empty(); }
    const std::vector<std::uint32_t>& items() const { return items_; }
    template <class Random> std::uint32_t pick(Random& random) const {
        return items_[random() % items_.size()];
    }

    void insert(std::uint64_t id) {
        where_[id] = static_cast<std::int32_t>(items_.size());
        items_.push_back(static_cast<std::uint32_t>(id));
    }
    void erase(std::uint64_t id) {
        const std::int32_t at = where_[id];
        const std::uint32_t last = items_.back();
        items_[static_cast<std::size_t>(at)] = last;
        where_[last] = at;
        items_.pop_back();
        where_[id] = -1;
    }

  private:
    std::vector<std::int32_t> where_;
    std::vector<std::uint32_t> items_;
};

// Whether a c-set lies inside one of the parts; with no parts, every one.
inline bool insideParts(Mask t, const std::vector<Mask>& parts) {
    if (parts.empty())
        return true;
    for (Mask p : parts)
        if ((t & ~p) == 0)
            return true;
    return false;
}

} // namespace varnelo::covergen
