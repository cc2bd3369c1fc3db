// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QProcessEnvironment>
#include <QTranslator>

namespace tavolin {

// The program is written in French and translated into English.
enum class ShownLanguage { French, English };

// The language the user's desktop asks for, by the first of LANGUAGE, LC_ALL, LC_MESSAGES
// and LANG that is set: French for French, English for any other language (and for "C").
ShownLanguage desktopLanguage(
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// The program in `language` while it lives: its texts (the windows', Qt's own dialogs' and
// the engine's), and the numbers and dates of that language (the decimal point and
// month/day/year in English, the comma and day/month/year in French). One at a time.
class LanguageInstallation {
public:
    explicit LanguageInstallation(ShownLanguage language);
    ~LanguageInstallation();
    LanguageInstallation(const LanguageInstallation&) = delete;
    LanguageInstallation& operator=(const LanguageInstallation&) = delete;

    // Qt's translators into the application, once it exists: the windows' texts and Qt's own
    // dialogs. Before, only the engine's texts and the numbers are in the language.
    void installInApplication();

    // The decimal separator of the language shown: "," or ".".
    QString decimalSeparator() const;

private:
    QTranslator program_;
    QTranslator qt_;
    QLocale previousDefault_;
    bool programInstalled_ = false;
    bool qtInstalled_ = false;
};

}  // namespace tavolin
