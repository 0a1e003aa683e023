#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace varnelo::cli {

// Exit statuses shared by every subcommand.
inline constexpr int kOk = 0;
inline constexpr int kBadInput = 2;

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

} // namespace varnelo::cli
