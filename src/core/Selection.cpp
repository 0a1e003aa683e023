#include "core/Selection.h"

namespace varnelo {

bool Selection::setState(int number, State s) {
    if (number < 1 || number > kMaxNumber || s < NotChosen || s > Fixed)
        return false;
    const State old = state(number);
    if (s == Fixed && old != Fixed && fixedCount_ >= kMaxFixed)
        return false;
    fixedCount_ += (s == Fixed) - (old == Fixed);
    chosen_[number] = s;
    return true;
}

void Selection::clear() {
    chosen_.fill(0);
    numeroni_.fill(0);
    fixedCount_ = 0;
}

int Selection::chosenCount() const {
    int n = 0;
    for (int i = 1; i <= kMaxNumber; ++i)
        n += chosen_[i] >= 1;
    return n;
}

std::vector<int> Selection::chosenNumbers() const {
    std::vector<int> out;
    for (int i = 1; i <= kMaxNumber; ++i)
        if (chosen_[i] >= 1)
            out.push_back(i);
    return out;
}

std::vector<int> Selection::fixedNumbers() const {
    std::vector<int> out;
    for (int i = 1; i <= kMaxNumber; ++i)
        if (chosen_[i] == Fixed)
            out.push_back(i);
    return out;
}

std::vector<int> Selection::freeNumbers() const {
    std::vector<int> out;
    for (int i = 1; i <= kMaxNumber; ++i)
        if (chosen_[i] == Chosen)
            out.push_back(i);
    return out;
}

bool Selection::setNumerone(int n, bool on) {
    if (n < 1 || n > kNumeroneSlots)
        return false;
    numeroni_[n] = on ? 1 : 0;
    return true;
}

int Selection::numeroneCount() const {
    int n = 0;
    for (int i = 1; i <= kMaxNumerone; ++i)
        n += numeroni_[i] == 1;
    return n;
}

std::int32_t Selection::numeronePairCount(int k) {
    if (k <= 2)
        return 1;
    // With 9 or 10 Numeroni the count itself is the multiplier the cost display receives.
    if (k >= 9)
        return k;
    return k * (k - 1) / 2;
}

std::optional<Notice> Selection::readyToDevelop() const {
    if (chosenCount() >= 5 && numeroneCount() >= 2)
        return std::nullopt;
    return Notice{"Sviluppo:",
                  {"per poter andare allo sviluppo", "Inserire Min 2 Numeroni",
                   "e inserire almeno 5 numeri"}};
}

} // namespace varnelo
