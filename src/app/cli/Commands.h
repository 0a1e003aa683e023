#pragma once

#include "core/Notice.h"
#include "core/Numbers.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace varnelo {
struct ProgramState;
}

namespace varnelo::cli {

// Exit statuses shared by every subcommand.
inline constexpr int kOk = 0;
inline constexpr int kBadInput = 2;
inline constexpr int kNoMemory = 3;

struct Command {
    std::string name;
    std::string usage; // one Italian line for the help text
    std::function<int(const std::vector<std::string>& args)> run;
};

// Each subcommand registers itself from its own file.
bool registerCommand(Command command);
const std::vector<Command>& commands();

// Takes "--cartella DIR" out of args; returns the chosen program folder
// (the per-user default when absent).
std::string takeFolderOption(std::vector<std::string>& args);

// A notice of the core on standard error: its title, then its lines.
void printNotice(const Notice& n);

// Columns for standard output: one a line, the numbers ascending and
// separated by blanks.
std::string columnLines(const std::vector<Column>& columns);

// Opens the saved system `name` with its columns; false, with the reason
// on standard error, for a bad name or a missing or damaged system.
bool openSavedSystem(ProgramState& state, const std::string& name);

} // namespace varnelo::cli
