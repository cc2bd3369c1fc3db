// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "Settings.h"

namespace tavolin {

// The settings file "tavolin.ini", section "programme", one key a switch with 1 or 0.

inline const QString kSettingsFileName = QStringLiteral("tavolin.ini");
inline const QString kSettingsSection = QStringLiteral("programme");

// "tavolin.ini" beside the program's executable, or in the user's configuration folder
// when the program's folder has none and cannot take one (see settingsPath).
QString settingsPathOfThisProgram();

// The switches the file holds; each is off when the file, its key or a number is missing.
Settings readSettings(const QString& path);
// The address FIDE's list is downloaded from: the key "adresse_liste_fide" of the settings
// file (a mirror's, a test server's), or `fallback` when it is missing or blank.
QString readFideListAddress(const QString& path, const QString& fallback);

// Writes one key of section "programme".
using SettingWriter = std::function<void(const QString& key, const QByteArray& value)>;

// Writes the five switches in the order aide, autocalcul, arrondi, effacement,
// interpolation, each as "1" or "0". A key that cannot be written raises FileError and the
// later keys are not written.
void writeSettings(const Settings& settings, const SettingWriter& writeKey);
void writeSettings(const QString& path, const Settings& settings);

}  // namespace tavolin
