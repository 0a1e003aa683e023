#pragma once

#include "conditions/CarFile.h"
#include "conditions/FilterHits.h"
#include "conditions/LastNumbers.h"
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
    // The numbers of `last` that keep the column as its last number after
    // the first four numbers of c.
    NumberSet keeping(const Column& c, NumberSet last) const;

  private:
    // The filter columns of every active quadro in one bank, each quadro
    // starting on a word of its own.
    struct Quadro {
        std::size_t firstWord, endWord;
        Bounds16 guessed, points;
        bool orLogic;
        bool countsPoints; // false when every points total is admitted
    };
    FilterHits hits_{{}, {}};
    std::vector<Quadro> quadri_;
    bool anyOr_ = false;
    int alwaysOr_ = 0; // OR quadri that every column satisfies
    std::bitset<kAndOrQuadri + 1> orRequirement_;
};

// A quadro's figures for a column, one filter column at a time: the filter
// columns whose hits are admitted ("Colonne Indovinate:") and their hits
// ("Punti Tra:"). The windows' statistics use it; the run uses AndOrTest.
struct QuadroScore {
    std::int64_t guessed = 0;
    std::int64_t points = 0;
};
QuadroScore quadroScore(const AndOrQuadro& q, const Column& c);

// "OK" of `ColAndOr`: the first problem of an active quadro, or of the OR
// requirement; the window stays open.
std::optional<Notice> checkAndOrSet(const AndOrSet& set);
// Adding filter columns past 1000: the notice; the extra columns are not added.
std::optional<Notice> addQuadroColumns(AndOrQuadro& q, const std::vector<FilterColumn>& more);
// `ColAndOrUsciteSist`: the columns of a saved system become filter
// columns; past 1000 in the quadro the first ones that fit are loaded, with
// the notice "Troppe Colonne :".
std::optional<Notice> importSystemColumns(AndOrQuadro& q, const std::vector<Column>& columns,
                                          int minHits, int maxHits);
// "Modifica Punteggio": the admitted hits of the filter columns first..last
// become minHits..maxHits; "Sostituzione dei Segni": a number is replaced by
// another in them. Both as in the filter-column window.
std::optional<Notice> setQuadroHits(AndOrQuadro& q, std::size_t first, std::size_t last,
                                    int minHits, int maxHits);
std::optional<Notice> replaceQuadroNumber(AndOrQuadro& q, std::size_t first, std::size_t last,
                                          int search, int replacement);

// "Salva le colonne del quadro " on a quadro without filter columns.
std::optional<Notice> checkQuadroToSave(const AndOrQuadro& q);

// A quadro is kept as a `.car` file (see CarFile.h); the presence statuses
// are the file's admitted hits and its numbers outside 1..49 are dropped.
CarFile quadroToCar(const AndOrQuadro& q);
AndOrQuadro quadroFromCar(const CarFile& f);
std::vector<std::uint8_t> maskNumbers(std::uint64_t mask);

// `andor/AndOr.txt`: a line with the 21 flags of the OR requirement, then the
// twenty quadri one after the other, each as a `.car` file.
std::string formatAndOrFile(const AndOrSet& s);
bool parseAndOrFile(std::string_view text, AndOrSet& s, std::string& error);

} // namespace varnelo
