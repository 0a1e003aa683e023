#pragma once

#include <QLocale>
#include <QString>

#include <string_view>

namespace varnelo {

// Core text (UTF-8) to a Qt string.
inline QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A count of columns as every window shows it: plain digits, as in the
// status bar's "Colonne finali = ", so the same figure reads the same everywhere.
inline QString countText(qlonglong n) {
    return QString::number(n);
}

// A decimal with the Italian comma.
inline QString italianDecimal(double v, int decimals) {
    return QLocale(QLocale::Italian).toString(v, 'f', decimals);
}

} // namespace varnelo
