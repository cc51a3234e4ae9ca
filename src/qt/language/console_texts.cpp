#include "qt/language/console_texts.h"

#include <QString>
#include <QTranslator>

#include <cstdlib>
#include <memory>

#include "app/command_line.h"
#include "qt/language/translators.h"

namespace pv::qt {

Translation DesktopCatalogue() {
    // No application yet, so nothing is installed: the catalogue is asked directly. The
    // built-in files are there from the program's start.
    struct Catalogue {
        QTranslator translator;
        bool read = false;
    };
    auto catalogue = std::make_shared<Catalogue>();
    return [catalogue](const char* context, const char* text) -> std::string {
        if (!catalogue->read) {
            catalogue->read = true;
            const QString folder = QStringLiteral(":/i18n");
            const std::string language =
                DesktopLanguage([](const char* name) -> const char* { return std::getenv(name); },
                                CatalogueLanguages(folder));
            if (!catalogue->translator.load(
                    QStringLiteral("pondivar_") + QString::fromStdString(language), folder)) {
                return "";
            }
        }
        return catalogue->translator.translate(context, text).toStdString();
    };
}

std::string HelpText() {
    return Say({"Help", UsageText(), {}}, DesktopCatalogue());
}

}  // namespace pv::qt
