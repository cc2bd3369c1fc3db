// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrfDetection.h"

namespace tavolin {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The player line, the teams, and the event's records: 012, 022, ... 222.
bool isRecordCode(std::string_view code) {
    if (code.size() != 3 || !isDigit(code[0]) || !isDigit(code[1]) || !isDigit(code[2])) {
        return false;
    }
    return code == "001" || code == "013" || (code[0] <= '2' && code[2] == '2');
}

}  // namespace

bool looksLikeTrf(std::string_view firstBytes) {
    std::string_view rest = firstBytes;
    if (rest.starts_with("\xEF\xBB\xBF")) {
        rest.remove_prefix(3);
    }
    for (;;) {
        const std::size_t start = rest.find_first_not_of(" \t\r\n");
        if (start == std::string_view::npos) {
            return false;
        }
        rest.remove_prefix(start);
        if (!rest.starts_with("###")) {
            break;
        }
        // A comment line (TRF26) may come before the first record.
        const std::size_t end = rest.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            return false;
        }
        rest.remove_prefix(end);
    }
    if (!isRecordCode(rest.substr(0, 3))) {
        return false;
    }
    // A record with nothing after its code ends its line at once.
    return rest.size() == 3 || rest[3] == ' ' || rest[3] == '\r' || rest[3] == '\n';
}

}  // namespace tavolin
