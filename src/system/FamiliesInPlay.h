#pragma once

namespace varnelo {

struct ProgramState;

// Whether a family of the conditions list is in play for the current
// system: the check mark of its "&Condizioni" item and its green row in
// "Condizioni:". Beyond the value rows and the family tables, "Link" and
// "Punti tra Condiz." count while a link or quadro is in use, "Livelli"
// while an active condition uses a recovery level.
bool familyChecked(const ProgramState& state, int family);

} // namespace varnelo
