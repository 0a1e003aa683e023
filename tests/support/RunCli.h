#pragma once

#include "support/TestFolder.h"

#include <sys/wait.h>

#include <cstdlib>
#include <string>

namespace varnelo::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs varnelo-cli with the given arguments (and standard input); the
// scratch files go to a folder of the running test apart from its own.
inline CliResult runCli(const std::string& args, const std::string& input = {}) {
    const TestFolder scratch{TestFolder::Bare{}, "cli"};
    const auto in = scratch / "in";
    const auto out = scratch / "out";
    const auto err = scratch / "err";
    writeFile(in, input);
    const std::string cmd = std::string(VARNELO_CLI_PATH) + " " + args + " < " + in.string() +
                            " > " + out.string() + " 2> " + err.string();
    CliResult r;
    r.status = WEXITSTATUS(std::system(cmd.c_str()));
    r.out = readFile(out);
    r.err = readFile(err);
    return r;
}

} // namespace varnelo::test
