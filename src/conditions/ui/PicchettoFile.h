#pragma once

class QWidget;

namespace varnelo {

struct ProgramState;

// Takes picchetto/picchetto.txt into the picchetti in use. A file that
// cannot be taken changes nothing and gives its notice; new values mark the
// sum quadro as changed, since the same rows now sum other values.
void rereadPicchetti(ProgramState& state, QWidget* parent);

} // namespace varnelo
