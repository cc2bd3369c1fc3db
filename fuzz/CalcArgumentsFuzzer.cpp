// SPDX-License-Identifier: GPL-3.0-or-later
// tavolin-calc's command line: the input is split on zero bytes into arguments, read, and
// run unless it names a file (a path from the fuzzer could be a FIFO, which would wait).
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string_view>
#include <variant>
#include <vector>

#include "CalcArguments.h"
#include "CalcCommandLine.h"
#include "FuzzInput.h"

using namespace tavolin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string_view> arguments;
    std::string_view rest = fuzzing::bytesOf(data, size);
    while (!rest.empty() && arguments.size() < 64) {
        const std::size_t end = rest.find('\0');
        arguments.push_back(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    const auto parsed = parseArguments(arguments);
    const auto* options = std::get_if<CalcOptions>(&parsed);
    if (options == nullptr || options->pgn || options->history) {
        return 0;
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCalcCommandLine(arguments, ",", out, err);
    fuzzing::require(status == 0 || status == 1);
    return 0;
}
