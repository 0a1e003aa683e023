#pragma once

#include "Subsets.h"

#include "reduced/PositionTable.h"

#include <cstdint>
#include <map>
#include <tuple>

namespace varnelo::covergen {

struct SolverOptions {
    double annealSeconds = 0; // local search per table
    double weightSeconds = 0; // weighting search per table
    double greedyWork = 1e9;  // largest greedy run tried
    std::uint64_t random = 1;
};

// Builds the smallest table it can for a shape: direct constructions,
// greedy covering, then local search. Tables are remembered, so the
// coverings used as parts of the partition construction are built once.
class Solver {
  public:
    explicit Solver(SolverOptions options) : options_(options) {}

    // A correct table known from an earlier run; kept when nothing beats it.
    void offer(const Shape& s, const PositionTable& t);

    PositionTable solve(const Shape& s);

  private:
    using Key = std::tuple<int, int, int, int>;
    static Key key(const Shape& s) { return {s.k, s.n, s.g, s.c}; }

    // The best table at hand for a part: a known one, else a new one.
    PositionTable part(const Shape& s);
    std::vector<Mask> partition(const Shape& s, int parts);
    std::vector<Mask> partitionBy(const Shape& s, const std::vector<int>& sizes,
                                  double weightSeconds);
    // A table already at hand for a part of a split; nothing when unknown.
    const PositionTable* atHand(const Shape& s);
    std::vector<Mask> split(const Shape& s);
    std::vector<Mask> better(const Shape& s, std::vector<Mask> a, std::vector<Mask> b) const;

    SolverOptions options_;
    int partDepth_ = 0;
    std::map<Key, PositionTable> known_;
    std::map<Key, PositionTable> solved_;
    std::map<Key, PositionTable> small_;
};

// A lower bound for the rows of a shape: the Schoenheim bound for
// coverings, exact for g = 1, else the larger of the sphere bound and, for
// g = 2, the Turan bound on the pairs the rows must hold.
std::uint64_t lowerBound(const Shape& s);

} // namespace varnelo::covergen
