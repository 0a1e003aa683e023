#include "reduced/PersonalTableEdit.h"

#include <algorithm>

namespace varnelo {

namespace {

Notice notice(std::vector<std::string> lines) {
    return Notice{"Avviso:", std::move(lines)};
}

Notice highlightFirst(const std::string& what) {
    return notice({"Evidenzia prima nella lista", "la colonnina da " + what + "."});
}

} // namespace

void PersonalTableEdit::start(PersonalTable table, std::string name) {
    table_ = std::move(table);
    name_ = std::move(name);
    modified_ = false;
    changing_.reset();
}

void PersonalTableEdit::saved(std::string name) {
    name_ = std::move(name);
    modified_ = false;
}

void PersonalTableEdit::setNumbersInPlay(int n) {
    modified_ = modified_ || n != table_.numbersInPlay;
    table_.numbersInPlay = n;
}

void PersonalTableEdit::setLeaders(int n) {
    modified_ = modified_ || n != table_.leaders;
    table_.leaders = n;
}

void PersonalTableEdit::setGuarantee(int g) {
    modified_ = modified_ || g != table_.guarantee;
    table_.guarantee = g;
}

std::optional<Notice> PersonalTableEdit::readMarked(const std::vector<int>& marked,
                                                    std::optional<std::size_t> except,
                                                    Column& out) const {
    std::vector<int> sorted;
    for (const int p : marked)
        if (p >= 1 && p <= kPersonalPositions)
            sorted.push_back(p);
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    if (sorted.size() != static_cast<std::size_t>(kColumnSize))
        return notice({"Ai evidenziato = " + std::to_string(sorted.size()),
                       "caselle, ne devi evidenziare = 5"});
    for (int k = 0; k < kColumnSize; ++k)
        out[static_cast<std::size_t>(k)] =
            static_cast<std::uint8_t>(sorted[static_cast<std::size_t>(k)]);
    for (std::size_t i = 0; i < table_.columns.size(); ++i)
        if (i != except && table_.columns[i] == out)
            return notice({"Colonnina già inserita", "alla riga N°= " + std::to_string(i + 1)});
    return std::nullopt;
}

// "Numeri in gioco" follows the highest position the columns use, as far as
// the file's header can hold it.
void PersonalTableEdit::placed(const Column& c) {
    table_.numbersInPlay = std::max(table_.numbersInPlay, std::min<int>(c.back(), kMaxNumber));
    modified_ = true;
}

std::optional<Notice> PersonalTableEdit::insert(const std::vector<int>& marked) {
    if (table_.columns.size() >= kMaxPersonalColumns)
        return notice({"Colonne N°= " + std::to_string(table_.columns.size()),
                       "Non si possono inserire altre colonnine:",
                       "massimo " + std::to_string(kMaxPersonalColumns) + " colonne."});
    Column c{};
    if (auto refused = readMarked(marked, std::nullopt, c))
        return refused;
    table_.columns.push_back(c);
    placed(c);
    return std::nullopt;
}

std::optional<Notice> PersonalTableEdit::beginChange(std::optional<std::size_t> index,
                                                     std::vector<int>& marked) {
    if (!index || *index >= table_.columns.size())
        return highlightFirst("modificare");
    changing_ = index;
    const Column& c = table_.columns[*index];
    marked.assign(c.begin(), c.end());
    return std::nullopt;
}

std::optional<Notice> PersonalTableEdit::endChange(const std::vector<int>& marked) {
    if (!changing_)
        return notice(
            {"Nessuna colonnina in modifica:", "evidenziala e premi \"Modifica colonnina\"."});
    Column c{};
    if (auto refused = readMarked(marked, changing_, c))
        return refused;
    if (table_.columns[*changing_] != c) {
        table_.columns[*changing_] = c;
        placed(c);
    }
    changing_.reset();
    return std::nullopt;
}

std::optional<Notice> PersonalTableEdit::erase(std::optional<std::size_t> index) {
    if (!index || *index >= table_.columns.size())
        return highlightFirst("eliminare");
    table_.columns.erase(table_.columns.begin() + static_cast<std::ptrdiff_t>(*index));
    modified_ = true;
    // The column on the board keeps its place in the list.
    if (changing_ && *changing_ == *index)
        changing_.reset();
    else if (changing_ && *changing_ > *index)
        --*changing_;
    return std::nullopt;
}

} // namespace varnelo
