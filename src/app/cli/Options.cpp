#include "app/cli/Options.h"

#include "core/Numbers.h"

#include <algorithm>
#include <iostream>

namespace varnelo::cli {

bool optionPairs(
    const std::vector<std::string>& args,
    const std::function<bool(const std::string& option, const std::string& value)>& take) {
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) {
            std::cerr << "Manca il valore dell'opzione " << args[i] << '\n';
            return false;
        }
        if (!take(args[i], args[i + 1]))
            return false;
    }
    return true;
}

bool unknownOption(const std::string& option) {
    std::cerr << "Opzione sconosciuta: " << option << '\n';
    return false;
}

std::optional<int> wholeNumber(const std::string& text) {
    if (text.empty() || text.size() > 3 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoi(text);
}

bool numberList(const std::string& text, const char* option, std::vector<int>& out) {
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t comma = std::min(text.find(',', at), text.size());
        const std::optional<int> n = wholeNumber(text.substr(at, comma - at));
        if (!n || *n < 1 || *n > kMaxNumber) {
            std::cerr << option << ": \"" << text.substr(at, comma - at)
                      << "\" non e un numero da 1 a 49\n";
            return false;
        }
        for (int m : out)
            if (m == *n) {
                std::cerr << option << ": il numero " << *n << " e ripetuto\n";
                return false;
            }
        out.push_back(*n);
        at = comma + 1;
    }
    return true;
}

bool rangedOption(const std::string& text, const char* option, int lo, int hi, int& out) {
    const std::optional<int> n = wholeNumber(text);
    if (!n || *n < lo || *n > hi) {
        std::cerr << option << ": il valore deve essere compreso tra " << lo << " e " << hi << '\n';
        return false;
    }
    out = *n;
    return true;
}

} // namespace varnelo::cli
