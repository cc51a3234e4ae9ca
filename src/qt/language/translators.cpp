#include "qt/language/translators.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

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

QString Plural(const char* context, const char* text, const char* one, int n) {
    QString found = QCoreApplication::translate(context, text, nullptr, n);
    QString untranslated =
        QString::fromUtf8(text).replace(QStringLiteral("%n"), QString::number(n));
    if (found != untranslated) return found;
    return QString::fromUtf8(n == 1 ? one : text).replace(QStringLiteral("%n"), QString::number(n));
}

}  // namespace pv::qt
