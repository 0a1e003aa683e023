#pragma once

class QDialog;
class QDialogButtonBox;

namespace varnelo {

// The "OK" / "Annulla" row of a dialog (objectNames "OK" and "Annulla").
// OK accepts unless `okAccepts` is false, when the caller connects its own check.
QDialogButtonBox* okCancelButtons(QDialog* dialog, bool okAccepts = true);

} // namespace varnelo
