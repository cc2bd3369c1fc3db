// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

namespace tavolin {

// A file operation that failed, with the platform's own words for it; the handler that
// raised it ends and the application's error box shows the text. `reason` is the why alone
// ("le disque est plein"), for a question that names the file its own way.
class FileError : public std::runtime_error {
public:
    explicit FileError(const QString& text, QString reason = {})
        : std::runtime_error(text.toStdString()), reason_(std::move(reason)) {}

    // The reason alone, or the whole text when none was given apart.
    QString reason() const { return reason_.isEmpty() ? QString::fromUtf8(what()) : reason_; }

private:
    QString reason_;
};

}  // namespace tavolin
