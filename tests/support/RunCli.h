#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace varnelo::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs varnelo-cli with the given arguments (and standard input); the
// scratch files are named after the running test and the process, since
// test runs go side by side.
inline CliResult runCli(const std::string& args, const std::string& input = {}) {
    const std::string tag =
        std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
        std::to_string(::getpid());
    const auto dir = std::filesystem::temp_directory_path();
    const auto in = dir / ("varnelo-cli-in-" + tag);
    const auto out = dir / ("varnelo-cli-out-" + tag);
    const auto err = dir / ("varnelo-cli-err-" + tag);
    std::ofstream(in, std::ios::binary) << input;
    const std::string cmd = std::string(VARNELO_CLI_PATH) + " " + args + " < " + in.string() +
                            " > " + out.string() + " 2> " + err.string();
    CliResult r;
    r.status = WEXITSTATUS(std::system(cmd.c_str()));
    auto slurp = [](const std::filesystem::path& p) {
        std::ifstream f(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    };
    r.out = slurp(out);
    r.err = slurp(err);
    for (const auto& p : {in, out, err})
        std::filesystem::remove(p);
    return r;
}

} // namespace varnelo::test
