#include "conditions/ConditionSet.h"

#include <algorithm>

namespace varnelo {

namespace {

constexpr std::array<std::string_view, kLevelCount + 1> kLevelNames = {
    "----", "A",  "B",  "C",  "D",  "E",  "F",  "G",  "H",  "I",  "L",  "M",  "N",  "O",
    "P",    "Q",  "R",  "S",  "T",  "U",  "V",  "AA", "BB", "CC", "DD", "EE", "FF", "GG",
    "HH",   "II", "LL", "MM", "NN", "OO", "PP", "QQ", "RR", "SS", "TT", "UU", "VV"};

struct NameRange {
    int first;
    std::array<std::string_view, 11> names;
};

constexpr std::array<NameRange, 25> kNamedSlots = {{
    {1, {"Segni Pari", "Pari Consecutivi", "Segni Dispari", "Dispari Consecutivi"}},
    {5, {"Consecutivi 4", "Consecutivi 3", "Consecutivi 2", "Consecutivi 2  P.n "}},
    {9, {"Simmetrie Totali", "Simmetrie Diretta", "Simmetrie Inversa"}},
    {12, {"Gemelli", "Ponte", "Ponte Passo n"}},
    {15, {"Interruzioni", "Interruzioni Pari", "Interruz. Dispari", "Interr. Consecutivi"}},
    {19, {"Distanze Pari", "Distanze Dispari", "Gruppi Pari", "Gruppi Dispari"}},
    {23,
     {" 1 ) Sequele Pari Dispari", " 2 ) Sequele Pari Dispari", " 3 ) Sequele Pari Dispari",
      " 4 ) Sequele Pari Dispari", " 5 ) Sequele Pari Dispari", " 6 ) Sequele Pari Dispari",
      " 7 ) Sequele Pari Dispari", " 8 ) Sequele Pari Dispari", " 9 ) Sequele Pari Dispari",
      " 10) Sequele Pari Dispari", " 11) Sequele Pari Dispari"}},
    {34,
     {"Vortice diretto", "Vortice Bracci diretto", "Vortice inverso", "Vortice Bracci inverso"}},
    {38, {"Sequenze 1", "Sequenze 2", "Sequenze 3", "Sequenze 4"}},
    {42, {"Somma    3", "Somma    4", "Somma    5"}},
    {45, {"Decine Differenti", "Confr. col. Vin", "Confr. Con. Vin. -1 +1"}},
    {48, {"Consec. pronostico 4", "Consec. pronostico 3", "Consec. pronostico 2"}},
    {51,
     {" 1 ) Pari Dispari", " 2 ) Pari Dispari", " 3 ) Pari Dispari", " 4 ) Pari Dispari",
      " 5 ) Pari Dispari", " 6 ) Pari Dispari", " 7 ) Pari Dispari", " 8 ) Pari Dispari",
      " 9 ) Pari Dispari", " 10) Pari Dispari", " 11) Pari Dispari"}},
    {62, {"Unità Differenti", "Consecutivi Tot", "Consecutivi Max"}},
    {79, {"Somma Unità+Decine Diff."}},
    {100,
     {"Resto Diviso 2", "Resto Diviso 3", "Resto Diviso 4", "Resto Diviso 5", "Resto Diviso 6",
      "Resto Diviso 7", "Resto Diviso 8", "Resto Diviso 9"}},
    {110,
     {"Numero di Cifre", "Somma Totale", "Somma Pari", "Somma Dispari", "Somma Ritardi",
      "Distanza Estrema", "Distanza Minima", "Distanza Massima", "Distanza Media"}},
    {119, {" 1° Casella", " 2° Casella", " 3° Casella", " 4° Casella", " 5° Casella"}},
    {125, {"Baricentro Totale", "Baricentro Pari", "Baricentro Dispari"}},
    {128, {"Somma Decina", "Somma Unita", "Somma Tot. Dec.+Uni."}},
    {131,
     {"Presenza Cifra N° 0", "Presenza Cifra N° 1", "Presenza Cifra N° 2", "Presenza Cifra N° 3",
      "Presenza Cifra N° 4", "Presenza Cifra N° 5", "Presenza Cifra N° 6", "Presenza Cifra N° 7",
      "Presenza Cifra N° 8", "Presenza Cifra N° 9"}},
    {141, {"Somma Ambata"}},
    {145,
     {"Dist. Tra Numeri 1 2", "Dist. Tra Numeri 1 3", "Dist. Tra Numeri 1 4",
      "Dist. Tra Numeri 1 5", "Dist. Tra Numeri 2 3", "Dist. Tra Numeri 2 4",
      "Dist. Tra Numeri 2 5", "Dist. Tra Numeri 3 4", "Dist. Tra Numeri 3 5",
      "Dist. Tra Numeri 4 5"}},
    {0, {}},
    {0, {}},
}};

std::vector<int> range(int first, int last) {
    std::vector<int> v;
    for (int s = first; s <= last; ++s)
        v.push_back(s);
    return v;
}

std::array<Family, kFamilyCount> makeFamilies() {
    return {{
        {"Baricentro", 1, range(125, 127)},
        {"Casella", 2, range(119, 123)},
        {"Colonne filtro And", 3, {}},
        {"Confronta Col.Vin.", 4, {46, 47}},
        {"Consecutivi Tot+Max", 5, {63, 64}},
        {"Consecutivi", 6, range(5, 8)},
        {"Cosecut.Pronostico", 7, range(48, 50)},
        {"Ritardo Ambi", 8, {142}},
        {"Dispari", 10, {3, 4}},
        {"Distanza", 11, range(115, 118)},
        {"Distanze pari disp.", 12, {19, 20}},
        {"Gemelli", 13, {12}},
        {"Gruppi pari dispari", 14, {21, 22}},
        {"Interruzioni", 15, range(15, 18)},
        {"Numero di Cifre", 16, {110}},
        {"Pari", 17, {1, 2}},
        {"Pari dispari", 18, range(51, 61)},
        {"Ritardo Somma Ambata", 19, {141}},
        {"Debug", 36, {}},
        {"Rendimento Condiz.", 39, {}},
        {"Ponte", 20, {13, 14}},
        {"Presenza Cifra", 21, range(131, 140)},
        {"Posiz. Decina Unità", 22, range(88, 97)},
        {"Resto", 23, range(100, 107)},
        {"Quadri And Or", 24, {}},
        {"Simmetrie", 25, range(9, 11)},
        {"Sequenze", 26, range(38, 41)},
        {"Sequele pari disp.", 27, range(23, 33)},
        {"Somma", 28, range(111, 114)},
        {"Distanza tra Numeri", 0, range(145, 154)},
        {"Somma Decine Un.", 30, range(128, 130)},
        {"Somma Uni.Dec. Diff.", 31, {45, 62, 79}},
        {"Vortice Diretto", 32, {34, 35}},
        {"Vortice Inverso", 33, {36, 37}},
        {"Somme + Picchetto", 34, {143}},
        {"Ritardi Vari", 35, {78}},
        {"Faccio Tutto io", 37, {}},
        {"Nati Stanchi", 38, {}},
        {"Link", 41, {}},
        {"Punti tra Condiz.", 42, {}},
        {"Livelli", 44, {}},
    }};
}

} // namespace

std::string_view recoveryLevelName(int level) {
    return level >= 0 && level <= kLevelCount ? kLevelNames[static_cast<std::size_t>(level)] : "";
}

int recoveryLevelFromName(std::string_view name) {
    for (int l = 0; l <= kLevelCount; ++l)
        if (kLevelNames[static_cast<std::size_t>(l)] == name)
            return l;
    return -1;
}

ValueRange slotValueRange(int slot) {
    // Catalogue metrics, parity patterns and sequele take 0..5.
    if ((slot >= 1 && slot <= 41) || (slot >= 45 && slot <= 64))
        return {0, 5};
    if (slot >= 42 && slot <= 44)
        return {0, 254};
    if (slot == 79 || (slot >= 88 && slot <= 110))
        return {0, 10};
    if (slot >= 111 && slot <= 114)
        return {0, 254};
    if ((slot >= 115 && slot <= 123) || (slot >= 145 && slot <= 154))
        return {0, 49};
    if (slot >= 125 && slot <= 127)
        return {0, 50};
    if (slot >= 128 && slot <= 130)
        return {0, 59};
    if (slot >= 131 && slot <= 140)
        return {0, 7};
    if (slot == 141)
        return {0, 210};
    // Slots whose family keeps its own tables still get a plain row, so that
    // a later family never has to change this layout.
    return {0, 254};
}

std::string_view slotDisplayName(int slot) {
    for (const auto& r : kNamedSlots) {
        if (r.first == 0)
            break;
        const int i = slot - r.first;
        if (i >= 0 && i < static_cast<int>(r.names.size()) &&
            !r.names[static_cast<std::size_t>(i)].empty())
            return r.names[static_cast<std::size_t>(i)];
    }
    return "";
}

std::string_view quadroSlotDisplayName(int slot) {
    if (slot == 8)
        return "Consecutivi 2  P.n";
    if (slot == 17)
        return "Interruzioni Dispari";
    return slotDisplayName(slot);
}

ConditionSet::ConditionSet() {
    std::uint32_t at = 0;
    for (int s = 0; s <= kSlotCount; ++s) {
        offset_[static_cast<std::size_t>(s)] = at;
        at += s == 0 ? 0 : static_cast<std::uint32_t>(slotValueRange(s).max + 1);
    }
    offset_[kSlotCount + 1] = at;
    cells_.assign(at, ValueCell{});
}

void ConditionSet::setActive(int slot, bool on) {
    if (slot >= 1 && slot <= kSlotCount)
        active_[static_cast<std::size_t>(slot)] = on ? 1 : 0;
}

std::size_t ConditionSet::index(int slot, int value) const {
    if (slot < 1 || slot > kSlotCount || value < 0)
        return cells_.size();
    const std::size_t at =
        offset_[static_cast<std::size_t>(slot)] + static_cast<std::size_t>(value);
    return at < offset_[static_cast<std::size_t>(slot) + 1] ? at : cells_.size();
}

ValueCell ConditionSet::cell(int slot, int value) const {
    const std::size_t i = index(slot, value);
    return i < cells_.size() ? cells_[i] : ValueCell{};
}

void ConditionSet::setCell(int slot, int value, ValueCell c) {
    const std::size_t i = index(slot, value);
    if (i < cells_.size() && c.level <= kLevelCount)
        cells_[i] = c;
}

CellStatus ConditionSet::effectiveStatus(int slot, int value) const {
    const ValueCell c = cell(slot, value);
    if (c.status == CellStatus::Recovery && c.level == 0)
        return CellStatus::Admitted;
    return c.status;
}

bool ConditionSet::hasAdmittedCell(int slot) const {
    if (slot < 1 || slot > kSlotCount)
        return false;
    for (std::size_t i = offset_[static_cast<std::size_t>(slot)];
         i < offset_[static_cast<std::size_t>(slot) + 1]; ++i)
        if (cells_[i].status != CellStatus::NotAdmitted)
            return true;
    return false;
}

bool ConditionSet::hasRedWithoutLevel(int slot) const {
    if (slot < 1 || slot > kSlotCount)
        return false;
    for (std::size_t i = offset_[static_cast<std::size_t>(slot)];
         i < offset_[static_cast<std::size_t>(slot) + 1]; ++i)
        if (cells_[i].status == CellStatus::Recovery && cells_[i].level == 0)
            return true;
    return false;
}

void ConditionSet::resetSlot(int slot) {
    if (slot < 1 || slot > kSlotCount)
        return;
    for (std::size_t i = offset_[static_cast<std::size_t>(slot)];
         i < offset_[static_cast<std::size_t>(slot) + 1]; ++i)
        cells_[i] = ValueCell{};
    active_[static_cast<std::size_t>(slot)] = 0;
}

void ConditionSet::dropStrayLevels(int slot) {
    if (slot < 1 || slot > kSlotCount)
        return;
    for (std::size_t i = offset_[static_cast<std::size_t>(slot)];
         i < offset_[static_cast<std::size_t>(slot) + 1]; ++i)
        if (cells_[i].status != CellStatus::Recovery)
            cells_[i].level = 0;
}

void ConditionSet::clear() {
    active_.fill(0);
    std::fill(cells_.begin(), cells_.end(), ValueCell{});
}

const std::array<Family, kFamilyCount>& families() {
    static const std::array<Family, kFamilyCount> list = makeFamilies();
    return list;
}

int familyOfSlot(int slot) {
    const auto& list = families();
    for (int f = 0; f < kFamilyCount; ++f)
        for (int s : list[static_cast<std::size_t>(f)].activationSlots)
            if (s == slot)
                return f;
    return -1;
}

int familyOfMenuItem(int item) {
    const auto& list = families();
    for (int f = 0; f < kFamilyCount; ++f)
        if (item > 0 && list[static_cast<std::size_t>(f)].menuItem == item)
            return f;
    return -1;
}

bool familyInPlay(const ConditionSet& set, int family) {
    for (int s : families()[static_cast<std::size_t>(family)].activationSlots)
        if (set.isActive(s) && set.hasAdmittedCell(s))
            return true;
    return false;
}

void ModifiedFamilies::markSlot(int slot) {
    const int f = familyOfSlot(slot);
    if (f >= 0)
        markFamily(f);
}

std::vector<std::string_view> ModifiedFamilies::names() const {
    std::vector<std::string_view> out;
    for (int f = 0; f < kFamilyCount; ++f)
        if (isModified(f))
            out.push_back(families()[static_cast<std::size_t>(f)].name);
    return out;
}

} // namespace varnelo
