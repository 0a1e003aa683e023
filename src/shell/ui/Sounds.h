#pragma once

namespace varnelo {

// Plays warning tone 0 or 1 without waiting; silent where there is no audio output.
void playWarning(int index);

} // namespace varnelo
