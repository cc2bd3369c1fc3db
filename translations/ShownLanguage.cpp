// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShownLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <map>
#include <mutex>
#include <string>
#include <utility>

#include "ShownText.h"

namespace tavolin {

namespace {

// The engine's texts, translated once each and kept: the engine holds views of them.
class EngineTexts {
public:
    void use(const QTranslator* translator) {
        const std::lock_guard lock(mutex_);
        translator_ = translator;
        texts_.clear();
    }

    std::string_view translate(const char* context, const char* source) {
        const std::lock_guard lock(mutex_);
        const auto key = std::make_pair(context, source);
        if (const auto found = texts_.find(key); found != texts_.end()) {
            return found->second;
        }
        QString translation = translator_ ? translator_->translate(context, source) : QString();
        std::string text = translation.isEmpty() ? std::string(source) : translation.toStdString();
        return texts_.emplace(key, std::move(text)).first->second;
    }

private:
    std::mutex mutex_;
    const QTranslator* translator_ = nullptr;
    std::map<std::pair<const char*, const char*>, std::string> texts_;
};

EngineTexts& engineTexts() {
    static EngineTexts texts;
    return texts;
}

std::string_view translateEngineText(const char* context, const char* source) {
    return engineTexts().translate(context, source);
}

// "fr_FR.UTF-8", "fr", "en_GB:fr" give "fr" and "en".
QString languageCode(const QString& value) {
    QString first = value.section(QLatin1Char(':'), 0, 0);
    for (const QChar end :
         {QLatin1Char('_'), QLatin1Char('.'), QLatin1Char('@'), QLatin1Char('-')}) {
        first = first.section(end, 0, 0);
    }
    return first.toLower();
}

// The numbers and dates of the language shown: the user's own country's when his locale is
// of that language, otherwise France's or the United States'. Made from the language and
// country alone: the system locale may carry another language's numbers ("LANGUAGE=fr" with
// "LANG=C" gives French words and a decimal point).
QLocale conventionsOf(ShownLanguage language) {
    const QLocale system = QLocale::system();
    if (language == ShownLanguage::French) {
        return QLocale(QLocale::French,
                       system.language() == QLocale::French ? system.territory() : QLocale::France);
    }
    return QLocale(QLocale::English, system.language() == QLocale::English ? system.territory()
                                                                           : QLocale::UnitedStates);
}

}  // namespace

ShownLanguage desktopLanguage(const QProcessEnvironment& environment) {
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment.value(QLatin1String(name));
        if (!languageCode(value).isEmpty()) {
            return languageCode(value) == QLatin1String("fr") ? ShownLanguage::French
                                                              : ShownLanguage::English;
        }
    }
    return ShownLanguage::English;
}

LanguageInstallation::LanguageInstallation(ShownLanguage language) : previousDefault_(QLocale()) {
    QLocale::setDefault(conventionsOf(language));
    if (language == ShownLanguage::English) {
        // Qt's own texts are English already; the program's come from its translation.
        if (program_.load(QStringLiteral(":/i18n/tavolin_en.qm"))) {
            engineTexts().use(&program_);
            installTextTranslator(&translateEngineText);
        }
    } else {
        // The file dialog, the standard buttons and the text fields' menus in French, when
        // Qt's translations are installed.
        const bool qtInFrench =
            qt_.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        Q_UNUSED(qtInFrench);  // without them, Qt's dialogs speak English
    }
    installInApplication();
}

void LanguageInstallation::installInApplication() {
    if (QCoreApplication::instance() == nullptr) {
        return;
    }
    if (!programInstalled_ && !program_.isEmpty()) {
        programInstalled_ = QCoreApplication::installTranslator(&program_);
    }
    if (!qtInstalled_ && !qt_.isEmpty()) {
        qtInstalled_ = QCoreApplication::installTranslator(&qt_);
    }
}

LanguageInstallation::~LanguageInstallation() {
    installTextTranslator(nullptr);
    engineTexts().use(nullptr);
    // An application gone first took its translators with it.
    if (QCoreApplication::instance() != nullptr) {
        if (programInstalled_) {
            QCoreApplication::removeTranslator(&program_);
        }
        if (qtInstalled_) {
            QCoreApplication::removeTranslator(&qt_);
        }
    }
    QLocale::setDefault(previousDefault_);
}

QString LanguageInstallation::decimalSeparator() const {
    return QLocale().decimalPoint();
}

}  // namespace tavolin
