#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace varnelo::cli {

// Hands every "--option value" pair to `take`, which returns false after its
// own message; false too, with the message, when a value is missing.
bool optionPairs(
    const std::vector<std::string>& args,
    const std::function<bool(const std::string& option, const std::string& value)>& take);
// "Opzione sconosciuta: " on standard error; false.
bool unknownOption(const std::string& option);

// A whole number of at most three digits.
std::optional<int> wholeNumber(const std::string& text);
// "1,2,3": numbers 1..49, each once; an Italian message on standard error otherwise.
bool numberList(const std::string& text, const char* option, std::vector<int>& out);
// A whole number from lo to hi; an Italian message on standard error otherwise.
bool rangedOption(const std::string& text, const char* option, int lo, int hi, int& out);

} // namespace varnelo::cli
