#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QBoxLayout;
class QGroupBox;
class QRadioButton;
class QWidget;

namespace varnelo {

// A framed row or column of option buttons named "name(0)", "name(1)", ...
// with the option `checked` chosen.
QGroupBox* optionGroup(QWidget* parent, const QString& title, const QString& name,
                       const QStringList& captions, int checked, QList<QRadioButton*>& out,
                       bool across = false);

// The index of the chosen option, 0 when none is.
int chosenOption(const QList<QRadioButton*>& options);

} // namespace varnelo
