#pragma once

#include <QString>

#include <optional>
#include <vector>

class QWidget;

namespace varnelo {

// One whole number asked of the player: its caption, range and first value.
struct NumberField {
    QString caption;
    int min = 0;
    int max = 0;
    int value = 0;
};

// A small modal window with one spin box per field (objectNames
// "TxtCampo(0)", "TxtCampo(1)", ...) and "OK" / "Annulla": the values, or
// nothing when the player cancels.
std::optional<std::vector<int>> askNumberFields(QWidget* parent, const QString& title,
                                                const QString& text,
                                                const std::vector<NumberField>& fields);

} // namespace varnelo
