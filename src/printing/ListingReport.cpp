#include "printing/ListingReport.h"

namespace varnelo {

namespace {

std::string paddedField(std::string s, std::size_t width) {
    if (s.size() < width)
        s.append(width - s.size(), ' ');
    return s;
}

std::string field(long long n, std::size_t width) {
    std::string s = std::to_string(n);
    return s.size() < width ? std::string(width - s.size(), ' ') + s : s;
}

std::string numberRow(const std::vector<int>& numbers) {
    std::string s;
    for (int n : numbers)
        s += paddedField(numberField(n), 3);
    return s;
}

std::string range(const RangePair& r) {
    return " Da=" + numberField(r.from) + "  A=" + numberField(r.to);
}

// Twenty numbers a row keep the longest row on the smallest page.
void numberRows(const std::string& label, const std::vector<int>& numbers,
                std::vector<std::string>& out) {
    constexpr std::size_t kPerRow = 20;
    std::size_t first = 0;
    do {
        const auto end =
            numbers.begin() + static_cast<long>(std::min(numbers.size(), first + kPerRow));
        out.push_back((first == 0 ? label : std::string(label.size(), ' ')) +
                      numberRow({numbers.begin() + static_cast<long>(first), end}));
        first += kPerRow;
    } while (first < numbers.size());
}

void numbersSection(const Selection& s, std::vector<std::string>& out) {
    out.push_back("<<--  Numeri in gioco  -->>");
    numberRows("    Numeri: ", s.chosenNumbers(), out);
    out.push_back("");
    out.push_back("<<--  Fisse  -->>");
    numberRows("    Fisse: ", s.fixedNumbers(), out);
    out.push_back("");
}

// One line per condition in play: its admitted range and how many values
// it admits, then the recovered values with their levels.
void conditionsSection(const ListingSources& src, std::vector<std::string>& out) {
    out.push_back("<<-- Condizioni -->>   <<- Recupero condizioni-->>");
    out.push_back(paddedField("", 36) + "Min.  Max.   Ins.");
    for (int slot : slotsInPlay(src.conditions)) {
        const ValueRange r = slotValueRange(slot);
        int lo = -1, hi = -1, admitted = 0;
        std::string recovery;
        for (int v = r.min; v <= r.max; ++v) {
            const ValueCell c = src.conditions.cell(slot, v);
            if (c.status == CellStatus::NotAdmitted)
                continue;
            lo = lo < 0 ? v : lo;
            hi = v;
            ++admitted;
            if (c.status == CellStatus::Recovery)
                recovery += numberField(v) + "(" + std::string(recoveryLevelName(c.level)) + ")";
        }
        std::string name(slotDisplayName(slot));
        if (name.empty())
            name = "Condizione" + numberField(slot);
        out.push_back("  " + paddedField(name, 34) + field(lo, 4) + field(hi, 6) +
                      field(admitted, 7) + (recovery.empty() ? "" : "   " + recovery));
    }
    out.push_back("");
    out.push_back("<<--  Impostazioni Livelli  -->>");
    out.push_back("     Livelli        Min.  Max");
    for (int level = 1; level <= kLevelCount; ++level)
        out.push_back("            Liv. " + paddedField(std::string(recoveryLevelName(level)), 3) +
                      field(src.levels.min(level), 4) + field(src.levels.max(level), 6));
    out.push_back("");
    out.push_back("<<--    Livelli Mescolati   -->>");
    for (int group = 1; group <= kMixedGroupCount; ++group) {
        if (!src.levels.groupInUse(group))
            continue;
        std::string members;
        for (int level = 1; level <= kLevelCount; ++level)
            if (src.levels.inGroup(level, group))
                members += " " + std::string(recoveryLevelName(level));
        out.push_back("     Gruppo N° =" + numberField(group) + "  Livelli:" + members + "   Min." +
                      numberField(src.levels.groupMin(group)) + "  Max." +
                      numberField(src.levels.groupMax(group)));
    }
    out.push_back("");
}

void groupLines(const GroupTable& table, const std::string& label, std::vector<std::string>& out) {
    for (int group = 1; group <= kGroupCount; ++group) {
        if (!table.inUse(group))
            continue;
        out.push_back(label + numberField(group) + range(table.range(group)));
        for (int slot : table.slots(group))
            out.push_back("                    " + std::string(slotDisplayName(slot)));
    }
}

void linksSection(const ListingSources& src, std::vector<std::string>& out) {
    out.push_back("<<-- Link Condizione -->>");
    groupLines(src.links.table, "               Link --> N° =", out);
    out.push_back(
        "  ERRORI AMMESSI TRA TUTTE LE Link --> Da=" + numberField(src.links.overallExcess.from) +
        "  A=" + numberField(src.links.overallExcess.to));
    out.push_back("  Link SBAGLIATI --> Da=" + numberField(src.links.wrongLinks.from) +
                  "  A=" + numberField(src.links.wrongLinks.to));
    out.push_back("");
    out.push_back("<<-- Punti tra Condizione -->>");
    groupLines(src.quadri.table, "              Quadro --> N° =", out);
    out.push_back("  Quadri SBAGLIATI --> Da=" + numberField(src.quadri.wrongQuadri.from) +
                  "  A=" + numberField(src.quadri.wrongQuadri.to));
    out.push_back("");
}

// The counts 0..5 whose flag is set in `flags`, as " 0 2 3".
std::string flagList(std::uint8_t flags) {
    std::string s;
    for (int h = 0; h <= 5; ++h)
        if (flags & (1U << h))
            s += numberField(h);
    return s.empty() ? " -" : s;
}

std::vector<int> numbersOf(std::uint64_t mask) {
    std::vector<int> numbers;
    for (int n = 1; n <= 50; ++n)
        if (mask & (std::uint64_t{1} << n))
            numbers.push_back(n);
    return numbers;
}

std::string filterLine(std::size_t j, const std::vector<int>& numbers, std::uint8_t hits) {
    return "     Col. N°" + field(static_cast<long long>(j), 5) +
           "  Punti:" + paddedField(flagList(hits), 13) + "Numeri: " + numberRow(numbers);
}

void andColumnsSection(const FilterList& list, std::vector<std::string>& out) {
    out.push_back("<<-- Colonne filtro AND -->>");
    if (!list.active || list.columns.empty()) {
        out.push_back("    Colonne filtro non attive.");
        out.push_back("");
        return;
    }
    out.push_back("    Colonne filtro N° =" +
                  numberField(static_cast<long long>(list.columns.size())));
    for (std::size_t j = 0; j < list.columns.size(); ++j) {
        const ListColumn& c = list.columns[j];
        out.push_back(filterLine(j + 1, {c.numbers.begin(), c.numbers.end()}, c.hits) +
                      (c.consecutive ? "  Consecutivi:" + flagList(c.consecutive) : ""));
    }
    out.push_back("");
}

void andOrSection(const AndOrSet& set, std::vector<std::string>& out) {
    out.push_back("<<-- Quadri AND OR -->>");
    if (!set.anyActive()) {
        out.push_back("    Nessun quadro attivo.");
        out.push_back("");
        return;
    }
    std::string required;
    for (int k = 0; k <= kAndOrQuadri; ++k)
        if (set.orRequirement.test(static_cast<std::size_t>(k)))
            required += numberField(k);
    out.push_back("  Quadri in OR da indovinare:" + (required.empty() ? " -" : required));
    for (int k = 0; k < kAndOrQuadri; ++k) {
        const AndOrQuadro& q = set.quadri[static_cast<std::size_t>(k)];
        if (!q.active)
            continue;
        out.push_back("              Quadro --> N° =" + numberField(k + 1) +
                      (q.orLogic ? "  OR " : "  AND") + "  " + q.name);
        out.push_back("    Colonne Indovinate: Da=" + numberField(q.guessed.min) + "  A=" +
                      numberField(q.guessed.max) + "   Punti Tra: Da=" + numberField(q.points.min) +
                      "  A=" + numberField(q.points.max));
        for (std::size_t j = 0; j < q.columns.size(); ++j)
            out.push_back(filterLine(j + 1, numbersOf(q.columns[j].numbers), q.columns[j].hits));
    }
    out.push_back("");
}

} // namespace

std::vector<std::string> reportLines(ListingSection section, const ListingSources& sources) {
    std::vector<std::string> out;
    switch (section) {
    case ListingSection::Numbers:
        numbersSection(sources.selection, out);
        break;
    case ListingSection::Conditions:
        conditionsSection(sources, out);
        break;
    case ListingSection::LinksAndPoints:
        linksSection(sources, out);
        break;
    case ListingSection::AndColumns:
        andColumnsSection(sources.filters, out);
        break;
    case ListingSection::AndOrColumns:
        andOrSection(sources.andOr, out);
        break;
    case ListingSection::Columns:
        break;
    }
    return out;
}

ListingSections defaultListingSections() {
    ListingSections s{};
    s[static_cast<std::size_t>(ListingSection::Columns)] = true;
    return s;
}

bool writeListing(const std::string& systemName, std::int64_t columnCount, ListingSize size,
                  const ListingSections& sections, const ListingSources& sources,
                  const std::function<bool(ColumnListing&)>& feedColumns,
                  const ColumnListing::Emit& emit) {
    emit(listingHeading(systemName, columnCount));
    emit("");
    for (int i = 0; i < kListingSections; ++i) {
        if (!sections[static_cast<std::size_t>(i)])
            continue;
        const auto section = static_cast<ListingSection>(i);
        if (section != ListingSection::Columns) {
            for (const std::string& line : reportLines(section, sources))
                emit(line);
            continue;
        }
        ColumnListing listing(size, emit);
        if (!feedColumns(listing))
            return false;
        listing.finish();
        emit("");
    }
    return true;
}

} // namespace varnelo
