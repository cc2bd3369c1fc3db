// SPDX-License-Identifier: GPL-3.0-or-later
#include "Windows1252.h"

#include <gtest/gtest.h>

#include "QtPrinters.h"

namespace tavolin {
namespace {

TEST(Windows1252Test, EveryByteReadsAndWritesBack) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        all.append(static_cast<char>(b));
    }
    const QString text = fromWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(toWindows1252(text), all);
}

TEST(Windows1252Test, TheHighControlsAreTypographicCharacters) {
    EXPECT_EQ(fromWindows1252("\x80\x8c\x99\x9f"), QString::fromUtf8("€Œ™Ÿ"));
    EXPECT_EQ(fromWindows1252("\xe9\xe8\xe7"), QString::fromUtf8("éèç"));
    EXPECT_EQ(toWindows1252(QString::fromUtf8("Ğ€")), QByteArray("?\x80"));
}

}  // namespace
}  // namespace tavolin
