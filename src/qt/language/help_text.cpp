#include "qt/language/help_text.h"

#include <QString>
#include <QTranslator>

#include <cstdlib>

#include "app/command_line.h"
#include "platform/translate.h"
#include "qt/language/translators.h"

namespace pv::qt {

std::string HelpText() {
    std::string english = UsageText();
    // No application yet, so nothing is installed: the catalogue is asked directly. The
    // built-in files are there from the program's start.
    const QString folder = QStringLiteral(":/i18n");
    const std::string language =
        DesktopLanguage([](const char* name) -> const char* { return std::getenv(name); },
                        CatalogueLanguages(folder));
    QTranslator translator;
    if (!translator.load(QStringLiteral("pondivar_") + QString::fromStdString(language), folder)) {
        return english;
    }
    QString found = translator.translate("Help", english.c_str());
    return found.isEmpty() ? english : found.toStdString();
}

}  // namespace pv::qt
