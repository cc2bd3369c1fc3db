// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file over any bytes: its switches read, and a value written into it reads
// back as written while the file still reads.
#include <cstddef>
#include <cstdint>

#include "FileError.h"
#include "FuzzFile.h"
#include "ProfileFile.h"
#include "SettingsFile.h"

using namespace tavolin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzzing::bytesOf(data, size);
    (void)parseProfileInteger(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    const QString path = fuzzing::writeInput(QStringLiteral("tavolin.ini"), bytes);
    (void)readSettings(path);
    const ProfileFile profile(path);
    (void)profile.readInteger(kSettingsSection, QStringLiteral("autocalcul"), 0);
    try {
        profile.writeValue(kSettingsSection, QStringLiteral("arrondi"), QByteArrayLiteral("1"));
    } catch (const FileError&) {
        return 0;
    }
    fuzzing::require(profile.readValue(kSettingsSection, QStringLiteral("arrondi")) ==
                     QByteArrayLiteral("1"));
    (void)readSettings(path);
    return 0;
}
