#include "conditions/IntegerTokens.h"

namespace varnelo {

namespace {

bool isSpace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

} // namespace

bool IntegerTokens::atEnd() {
    while (at_ < text_.size() && isSpace(text_[at_]))
        ++at_;
    return at_ >= text_.size();
}

bool IntegerTokens::next(long long& value) {
    if (bad_ || atEnd())
        return false;
    std::size_t end = at_;
    while (end < text_.size() && !isSpace(text_[end]))
        ++end;
    std::string_view token = text_.substr(at_, end - at_);
    at_ = end;
    bool negative = false;
    if (token.front() == '-' || token.front() == '+') {
        negative = token.front() == '-';
        token.remove_prefix(1);
    }
    if (token.empty() || token.size() > 15) {
        bad_ = true;
        return false;
    }
    long long v = 0;
    for (const char ch : token) {
        if (ch < '0' || ch > '9') {
            bad_ = true;
            return false;
        }
        v = v * 10 + (ch - '0');
    }
    value = negative ? -v : v;
    return true;
}

bool IntegerTokens::next(long long& value, long long min, long long max) {
    if (!next(value))
        return false;
    if (value < min || value > max) {
        bad_ = true;
        return false;
    }
    return true;
}

} // namespace varnelo
