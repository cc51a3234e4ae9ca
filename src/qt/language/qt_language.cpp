// The platform's translations: looked up in the catalogues in use, which change with the player's
// choice while the game runs.
#include <QCoreApplication>

#include <cstdlib>

#include "platform/translate.h"
#include "qt/qt_platform.h"
#include "qt/screen_reader/accessible.h"

namespace pv::qt {

std::string QtPlatform::Translate(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

std::string QtPlatform::TranslatePlural(const char* context, const char* text, const char* one,
                                        long n) {
    return Plural(context, text, one, static_cast<int>(n)).toStdString();
}

bool QtPlatform::SetLanguage(const std::string& code) {
    QString language = QString::fromStdString(code.empty() ? desktopLanguage_ : code);
    if (language == translators_.Language()) return false;
    translators_.Use(language);
    // The menu keeps the English and is translated as it is built; the game sets its own
    // window texts again itself.
    if (menuBar_ != nullptr) BuildMenuBar(shownMenu_);
    // Names a screen reader hears that no text of the game carries (the score list's).
    for (const auto& [handle, widget] : widgets_) {
        const Window* w = Find(handle);
        if (w != nullptr && widget != main_) DescribeForReaders(widget, *w);
    }
    if (onLanguageChanged) onLanguageChanged();
    return true;
}

std::string QtPlatform::LanguageName(const std::string& code) {
    return translators_.NameOf(QString::fromStdString(code)).toStdString();
}

void QtPlatform::UseDesktopLanguage() {
    languages_ = translators_.Spoken();
    desktopLanguage_ = DesktopLanguage(
        [](const char* name) -> const char* { return std::getenv(name); }, languages_);
    translators_.Use(QString::fromStdString(desktopLanguage_));
}

}  // namespace pv::qt
