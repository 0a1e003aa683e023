#pragma once

#include <string_view>

namespace varnelo {

// The whole numbers of a text, separated by any run of blanks, tabs or line
// breaks, as the condition files are read.
class IntegerTokens {
  public:
    explicit IntegerTokens(std::string_view text) : text_(text) {}

    // False at the end of the text or at a token that is not a whole number
    // (then bad() is true); a number beyond ±10^15 is not taken either.
    bool next(long long& value);
    // The next value only when it lies in [min, max].
    bool next(long long& value, long long min, long long max);
    bool bad() const { return bad_; }
    bool atEnd();

  private:
    std::string_view text_;
    std::size_t at_ = 0;
    bool bad_ = false;
};

} // namespace varnelo
