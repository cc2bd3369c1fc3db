// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QWidget>
#include <type_traits>

namespace tavolin::testing {

// A window's controls, found by their object names as any outside code would find them. A
// control missing or renamed fails the test, named, rather than as a null pointer later.
template <typename Controls>
Controls controlsOf(const QWidget& window) {
    Controls found;
    found.forEach([&](auto*& control, const char* name) {
        using Kind = std::remove_reference_t<decltype(*control)>;
        control = window.findChild<Kind*>(QString::fromLatin1(name));
        if (control == nullptr) {
            ADD_FAILURE() << window.objectName().toStdString() << " has no control named " << name
                          << " of its kind";
        }
    });
    return found;
}

}  // namespace tavolin::testing
