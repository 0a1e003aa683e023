#pragma once

#include <string>
#include <vector>

namespace varnelo {

// Kinds of the notice window: a plain notice with OK, and the questions.
inline constexpr int kNoticePlain = 113;
inline constexpr int kNoticeYesNo = 36;
inline constexpr int kNoticeYesNoCancel = 35;

// What the notice window `Avviso` shows: a title, a few lines and the kind
// code that selects its buttons.
struct Notice {
    std::string title;
    std::vector<std::string> lines;
    int kind = kNoticePlain;
    // A question whose "Sì" destroys something: "No" is its default answer.
    bool destructive = false;

    bool operator==(const Notice&) const = default;
};

} // namespace varnelo
