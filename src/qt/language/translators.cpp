#include "qt/language/translators.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

#include <algorithm>

#include "platform/translate.h"

namespace pv::qt {

Translators::~Translators() {
    QCoreApplication::removeTranslator(&game_);
    QCoreApplication::removeTranslator(&qtbase_);
}

void Translators::Use(const QString& language) {
    QCoreApplication::removeTranslator(&game_);
    QCoreApplication::removeTranslator(&qtbase_);
    language_ = language;
    // qtbase_xx, not qt_xx: the latter names modules the game does not use, and fails without them.
    if (qtbase_.load(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtbase_);
    }
    // PONDIVAR_CATALOGUE=/path/file.qm puts a trial catalogue in place of every language's, so a
    // translator sees it in the window without rebuilding the game.
    const QString trial = qEnvironmentVariable("PONDIVAR_CATALOGUE");
    const bool loaded = trial.isEmpty()
                            ? game_.load(QStringLiteral("pondivar_") + language, folder_)
                            : game_.load(trial);
    if (loaded) {
        QCoreApplication::installTranslator(&game_);
    }
    // Dates and numbers the Qt side writes follow the language too.
    QLocale::setDefault(QLocale(language));
}

std::vector<std::string> CatalogueLanguages(const QString& folder) {
    std::vector<std::string> spoken{"en"};
    const QString prefix = QStringLiteral("pondivar_");
    const QStringList files =
        QDir(folder).entryList({prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        std::string code = file.mid(prefix.size(), file.size() - prefix.size() - 3).toStdString();
        if (IsLanguageCode(code) && code != "en") spoken.push_back(code);
    }
    std::sort(spoken.begin(), spoken.end());
    return spoken;
}

QString Translators::NameOf(const QString& language) const {
    // Every catalogue translates this one text into the name of its own language.
    static const char* const kContext = "Language";
    //: The language of this catalogue, named in its own words for the Language menu
    //: ("Deutsch", "Français").
    static const char* const kOwnName = QT_TRANSLATE_NOOP("Language", "English");
    QTranslator catalogue;
    if (catalogue.load(QStringLiteral("pondivar_") + language, folder_)) {
        QString name = catalogue.translate(kContext, kOwnName);
        if (!name.isEmpty()) return name;
    }
    if (language == QStringLiteral("en")) return QString::fromUtf8(kOwnName);
    QString name = QLocale(language).nativeLanguageName();
    if (name.isEmpty()) return language;
    return name.left(1).toUpper() + name.mid(1);
}

QString Plural(const char* context, const char* text, const char* one, int n) {
    QString found = QCoreApplication::translate(context, text, nullptr, n);
    QString untranslated =
        QString::fromUtf8(text).replace(QStringLiteral("%n"), QString::number(n));
    if (found != untranslated) return found;
    return QString::fromUtf8(n == 1 ? one : text).replace(QStringLiteral("%n"), QString::number(n));
}

}  // namespace pv::qt
