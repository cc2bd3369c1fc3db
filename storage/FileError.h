// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

namespace tavolin {

// A file operation that failed, with the platform's own words for it; the handler that
// raised it ends and the application's error box shows the text.
class FileError : public std::runtime_error {
public:
    explicit FileError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

}  // namespace tavolin
