#pragma once

#include "conditions/FilterHits.h"
#include "core/Notice.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnelo {

inline constexpr int kAndOrQuadri = 20;
inline constexpr std::size_t kMaxQuadroColumns = 1000;
// What the AND/OR test returns for a column to discard.
inline constexpr int kDiscardMark = 1111;

// A reference column with the hit counts it admits: bit h of `hits` is the
// presence status of h = 0..5 hits.
struct FilterColumn {
    std::uint64_t numbers = 0; // bit n: number n
    std::uint8_t hits = 0;
    bool operator==(const FilterColumn&) const = default;
};

struct Bounds16 {
    std::int16_t min = 0;
    std::int16_t max = 0;
    bool contains(std::int64_t v) const { return v >= min && v <= max; }
    bool operator==(const Bounds16&) const = default;
};

struct AndOrQuadro {
    std::vector<FilterColumn> columns; // at most 1000
    Bounds16 guessed;                  // "Colonne Indovinate:"
    Bounds16 points;                   // "Punti Tra:"
    bool orLogic = false;              // "Logica del quadro:" AND or OR
    bool active = false;               // "Attivazione"
    std::string name;
    bool operator==(const AndOrQuadro&) const = default;
};

struct AndOrSet {
    std::array<AndOrQuadro, kAndOrQuadri> quadri;
    // "Quadri in OR da indovinare:": the admitted counts 0..20 of satisfied OR quadri.
    std::bitset<kAndOrQuadri + 1> orRequirement;
    bool anyActive() const;
    bool operator==(const AndOrSet&) const = default;
};

// The AND/OR test of the active quadri, compiled for a run.
class AndOrTest {
  public:
    explicit AndOrTest(const AndOrSet& set);
    bool empty() const { return quadri_.empty(); }
    // 0 to keep the column, kDiscardMark to discard it.
    int mark(const Column& c) const;

  private:
    struct Quadro {
        FilterHits hits;
        std::vector<std::array<std::uint64_t, 6>> admitted; // per word, per hit count
        Bounds16 guessed, points;
        bool orLogic;
    };
    std::vector<Quadro> quadri_;
    bool anyOr_ = false;
    std::bitset<kAndOrQuadri + 1> orRequirement_;
};

// "OK" of `ColAndOr`: the first problem of an active quadro, or of the OR
// requirement; the window stays open.
std::optional<Notice> checkAndOrSet(const AndOrSet& set);
// Adding filter columns past 1000: the notice; the extra columns are not added.
std::optional<Notice> addQuadroColumns(AndOrQuadro& q, const std::vector<FilterColumn>& more);
// "Salva le colonne del quadro " on a quadro without filter columns.
std::optional<Notice> checkQuadroToSave(const AndOrQuadro& q);

// A quadro file (`andor/<name>.car`): the name, a line "logic active
// guessedMin guessedMax pointsMin pointsMax count", then one line per filter
// column: its six presence flags for 0..5 hits as a word of 0 and 1, then its
// numbers.
std::string formatQuadroFile(const AndOrQuadro& q);
bool parseQuadroFile(std::string_view text, AndOrQuadro& q, std::string& error);
// `andor/AndOr.txt`: a line with the 21 flags of the OR requirement, then
// the twenty quadri one after the other as in a quadro file.
std::string formatAndOrFile(const AndOrSet& s);
bool parseAndOrFile(std::string_view text, AndOrSet& s, std::string& error);

// One filter column line: the presence word and the numbers; shared with the filter lists.
std::string filterColumnLine(std::uint8_t hits, const std::vector<std::uint8_t>& numbers);
bool parseFilterColumnLine(std::string_view line, std::uint8_t& hits,
                           std::vector<std::uint8_t>& numbers);
std::vector<std::uint8_t> maskNumbers(std::uint64_t mask);

} // namespace varnelo
