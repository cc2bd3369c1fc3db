// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsFile.h"

#include <QCoreApplication>
#include <QDir>

#include "ProfileFile.h"
#include "UserFolders.h"

namespace tavolin {

QString settingsPathOfThisProgram() {
    return settingsPath(ProgramFolder::ofThisProgram(), UserEnvironment::current());
}

Settings readSettings(const QString& path) {
    const ProfileFile file(path);
    auto on = [&](const char* key) {
        return file.readInteger(kSettingsSection, QString::fromLatin1(key), 0) != 0;
    };
    Settings settings;
    settings.autoCalculate = on("autocalcul");
    settings.roundToTens = on("arrondi");
    settings.clearEntryFields = on("effacement");
    settings.interpolation = on("interpolation");
    settings.showHelp = on("aide");
    return settings;
}

QString readFideListAddress(const QString& path, const QString& fallback) {
    const std::optional<QByteArray> value =
        ProfileFile(path).readValue(kSettingsSection, QStringLiteral("adresse_liste_fide"));
    const QString address = value ? QString::fromUtf8(*value).trimmed() : QString();
    return address.isEmpty() ? fallback : address;
}

void writeSettings(const Settings& settings, const SettingWriter& writeKey) {
    auto value = [](bool on) { return on ? QByteArray("1") : QByteArray("0"); };
    writeKey(QStringLiteral("aide"), value(settings.showHelp));
    writeKey(QStringLiteral("autocalcul"), value(settings.autoCalculate));
    writeKey(QStringLiteral("arrondi"), value(settings.roundToTens));
    writeKey(QStringLiteral("effacement"), value(settings.clearEntryFields));
    writeKey(QStringLiteral("interpolation"), value(settings.interpolation));
}

void writeSettings(const QString& path, const Settings& settings) {
    const ProfileFile file(path);
    writeSettings(settings, [&](const QString& key, const QByteArray& value) {
        file.writeValue(kSettingsSection, key, value);
    });
}

}  // namespace tavolin
