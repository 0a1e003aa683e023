#pragma once

#include <initializer_list>

class QDialog;
class QDialogButtonBox;
class QHBoxLayout;
class QPushButton;
class QString;
class QWidget;

namespace varnelo {

// The "OK" / "Annulla" row of a dialog (objectNames "OK" and "Annulla").
// OK accepts unless `okAccepts` is false, when the caller connects its own check.
QDialogButtonBox* okCancelButtons(QDialog* dialog, bool okAccepts = true);

// Gives a dialog that never needs resizing its natural size, fixed: the
// window manager then draws no resize handle, the empty strip with grip
// marks along its bottom edge. Called once the dialog's layout is built.
void fixDialogSize(QDialog* dialog);

// A command button with its objectName, as the tests and the pop-ups find it.
QPushButton* namedButton(const QString& caption, const QString& name, QWidget* parent);

// The command buttons at the foot of a window, to the right.
QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons);

} // namespace varnelo
