#pragma once

#include <optional>
#include <string>
#include <vector>

namespace varnelo::cli {

// A whole number of at most three digits.
std::optional<int> wholeNumber(const std::string& text);
// "1,2,3": numbers 1..49, each once; an Italian message on standard error otherwise.
bool numberList(const std::string& text, const char* option, std::vector<int>& out);
// A whole number from lo to hi; an Italian message on standard error otherwise.
bool rangedOption(const std::string& text, const char* option, int lo, int hi, int& out);

} // namespace varnelo::cli
