// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <time.h>

#include <QByteArray>
#include <QtGlobal>

namespace tavolin::testing {

// The local time zone set to `zone` (a name of the zone database or a POSIX rule, as TZ
// takes them) while the object lives, as on a desktop set to that zone.
class LocalZone {
public:
    explicit LocalZone(const char* zone)
        : previous_(qgetenv("TZ")), hadOne_(qEnvironmentVariableIsSet("TZ")) {
        qputenv("TZ", zone);
        tzset();
    }
    ~LocalZone() {
        if (hadOne_) {
            qputenv("TZ", previous_);
        } else {
            qunsetenv("TZ");
        }
        tzset();
    }
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

private:
    QByteArray previous_;
    bool hadOne_;
};

}  // namespace tavolin::testing
