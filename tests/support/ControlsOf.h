// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <type_traits>

namespace tavolin::testing {

// A window's controls, found by their object names as any outside code would find them.
template <typename Controls>
Controls controlsOf(const QWidget& window) {
    Controls found;
    found.forEach([&](auto*& control, const char* name) {
        using Kind = std::remove_reference_t<decltype(*control)>;
        control = window.findChild<Kind*>(QString::fromLatin1(name));
    });
    return found;
}

}  // namespace tavolin::testing
