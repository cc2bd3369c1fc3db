// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrackedMessageBoxes.h"

namespace tavolin {

namespace {

// Counts a box as open for as long as it is shown, even when showing it throws.
class OpenBox {
public:
    explicit OpenBox(int& open) : open_(open) { ++open_; }
    ~OpenBox() { --open_; }
    OpenBox(const OpenBox&) = delete;
    OpenBox& operator=(const OpenBox&) = delete;

private:
    int& open_;
};

}  // namespace

void TrackedMessageBoxes::warning(QWidget* parent, const QString& text) {
    const OpenBox open(open_);
    inner_.warning(parent, text);
}

void TrackedMessageBoxes::error(QWidget* parent, const QString& text) {
    const OpenBox open(open_);
    inner_.error(parent, text);
}

bool TrackedMessageBoxes::question(QWidget* parent, const QString& text) {
    const OpenBox open(open_);
    return inner_.question(parent, text);
}

std::optional<QDate> TrackedMessageBoxes::questionWithDate(QWidget* parent, const QString& text,
                                                           const QDate& latest) {
    const OpenBox open(open_);
    return inner_.questionWithDate(parent, text, latest);
}

std::optional<QString> TrackedMessageBoxes::askText(QWidget* parent, const QString& title,
                                                    const QString& label, const QString& initial) {
    const OpenBox open(open_);
    return inner_.askText(parent, title, label, initial);
}

}  // namespace tavolin
