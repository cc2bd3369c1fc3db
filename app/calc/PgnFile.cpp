#include "PgnFile.h"

#include <filesystem>
#include <fstream>

#include "Messages.h"

namespace tavolin {

std::string filledMessage(std::string_view pattern, std::string_view first, std::string_view second,
                          std::string_view third) {
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        if (pattern[at] == '%' && at + 1 < pattern.size() && pattern[at + 1] >= '1' &&
            pattern[at + 1] <= '3') {
            const char which = pattern[++at];
            text += which == '1' ? first : which == '2' ? second : third;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

std::string readPgnFile(const std::string& path, PgnReader& reader) {
    std::error_code error;
    const std::filesystem::path file(path);
    const std::string full = std::filesystem::absolute(file, error).lexically_normal().string();
    const auto cannotRead = [&](std::string_view reason) {
        return filledMessage(messages::kCannotRead, full, reason);
    };
    if (!std::filesystem::exists(file, error)) {
        return cannotRead(messages::kReasonNotFound);
    }
    if (std::filesystem::is_directory(file, error)) {
        return cannotRead(messages::kReasonIsFolder);
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return cannotRead(messages::kReasonAccessDenied);
    }
    readPgn(in, reader);
    if (in.bad()) {
        return cannotRead(messages::kReasonReadError);
    }
    return {};
}

}  // namespace tavolin
