// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "DataFileCheck.h"
#include "FideCoefficient.h"
#include "PlayerRecord.h"
#include "RatingSystem.h"
#include "SettingsFile.h"

#ifndef TAVOLIN_DATA_FROM_BIN
#define TAVOLIN_DATA_FROM_BIN "../share/tavolin"
#endif

namespace tavolin {

namespace {

const QString kProgramFolderName = QStringLiteral("tavolin");

// A new user's players: rated by the national Elo, with FIDE's usual coefficient.
constexpr RatingSystem kBlankPlayerSystem = RatingSystem::Elo;
constexpr int kBlankPlayerCoefficient = kDefaultFideCoefficient;

// An XDG variable counts only when it holds an absolute path.
QString xdgFolder(const QString& variable, const QString& home, const QString& fallback) {
    const QString base = QDir::isAbsolutePath(variable) ? variable : home + fallback;
    return QDir::cleanPath(base + QLatin1Char('/') + kProgramFolderName);
}

}  // namespace

UserEnvironment UserEnvironment::current() {
    return {qEnvironmentVariable("HOME", QDir::homePath()), qEnvironmentVariable("XDG_DATA_HOME"),
            qEnvironmentVariable("XDG_CONFIG_HOME")};
}

QString userDataFolder(const UserEnvironment& environment) {
    return xdgFolder(environment.xdgDataHome, environment.home, QStringLiteral("/.local/share"));
}

QString userConfigFolder(const UserEnvironment& environment) {
    return xdgFolder(environment.xdgConfigHome, environment.home, QStringLiteral("/.config"));
}

ProgramFolder ProgramFolder::ofThisProgram() {
    const QString path = QCoreApplication::applicationDirPath();
    return {path, QFileInfo::exists(QDir(path).filePath(kSettingsFileName)),
            QFileInfo(path).isWritable()};
}

namespace {

// A folder of the system's programs (/usr/bin, /usr/local/bin, /opt/...): shared by every
// user, so never a place for one user's settings, even when root can write there.
bool isSystemFolder(const QString& path) {
    const QString clean = QDir::cleanPath(path);
    for (const QLatin1String system : {QLatin1String("/usr"), QLatin1String("/opt")}) {
        if (clean == system || clean.startsWith(system + QLatin1Char('/'))) {
            return true;
        }
    }
    return false;
}

}  // namespace

QString settingsPath(const ProgramFolder& program, const UserEnvironment& environment) {
    const bool beside =
        !isSystemFolder(program.path) && (program.holdsSettings || program.writable);
    return QDir(beside ? program.path : userConfigFolder(environment)).filePath(kSettingsFileName);
}

QString installedPicturePath() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/" TAVOLIN_DATA_FROM_BIN "/tavolin.bmp"));
}

QByteArray blankPlayerFileContents() {
    PlayerRecord blank;
    blank.setSystem(static_cast<std::int32_t>(kBlankPlayerSystem));
    blank.setCoefficient(kBlankPlayerCoefficient);
    QByteArray contents;
    for (int k = 0; k < kPlayerCount; ++k) {
        contents.append(reinterpret_cast<const char*>(blank.bytes().data()),
                        static_cast<qsizetype>(blank.bytes().size()));
    }
    return contents;
}

bool prepareUserDataFolder(const QString& folder, const QString& picture) {
    QDir().mkpath(folder);
    const QDir dir(folder);
    // NewOnly: a player file that appeared meanwhile is never overwritten.
    QFile players(dir.filePath(kPlayerFileName));
    if (players.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        const QByteArray blank = blankPlayerFileContents();
        if (players.write(blank) != blank.size() || !players.flush()) {
            players.remove();  // a short file would only say "trop court" at every start
        }
    }
    const QString copy = dir.filePath(QStringLiteral("tavolin.bmp"));
    if (!QFileInfo::exists(copy) && QFileInfo::exists(picture)) {
        QFile::copy(picture, copy);
        QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
    return QFileInfo::exists(dir.filePath(kPlayerFileName));
}

}  // namespace tavolin
