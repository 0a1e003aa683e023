#pragma once

#include "core/ProgramFolder.h"

#include <string>
#include <vector>

namespace varnelo {

// The music files (".mid", in any case) of the midi folder, by name.
std::vector<std::string> midiFiles(const ProgramFolder& folder);

// The arguments of the fluidsynth program that plays `file` with the sound
// font once, without a MIDI input or a shell: the given audio driver (empty:
// fluidsynth's own choice; "file" renders into nothing, for machines
// without sound).
std::vector<std::string> synthArguments(const std::string& soundFont, const std::string& file,
                                        const std::string& driver);

} // namespace varnelo
