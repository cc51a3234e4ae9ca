// The catalogues of the language the game speaks: its own, built into the program, and Qt's for
// the dialogs' buttons and the key names, from the system when installed.
#pragma once

#include <QString>
#include <QTranslator>

#include <string>
#include <utility>
#include <vector>

namespace pv::qt {

// The languages of the catalogues in `folder` (pondivar_<code>.qm), and English, by code.
std::vector<std::string> CatalogueLanguages(const QString& folder);

class Translators {
  public:
    // The game's catalogues are read from `folder`: the ones built into the program by default.
    explicit Translators(QString folder = QStringLiteral(":/i18n")) : folder_(std::move(folder)) {}
    ~Translators();
    Translators(const Translators&) = delete;
    Translators& operator=(const Translators&) = delete;

    // Puts the catalogues of `language` ("de", "pt_BR") in place of the ones in use. A
    // catalogue missing or damaged is left out: its texts stay English.
    void Use(const QString& language);
    const QString& Language() const { return language_; }

    std::vector<std::string> Spoken() const { return CatalogueLanguages(folder_); }
    // What a language's catalogue calls it; its name in Qt's locale data when the catalogue
    // does not say or cannot be read.
    QString NameOf(const QString& language) const;

  private:
    QTranslator qtbase_;
    QTranslator game_;
    QString folder_;
    QString language_;
};

// A %n text in the form for n. Without a catalogue that has it, the English forms: `one` for 1.
QString Plural(const char* context, const char* text, const char* one, int n);

}  // namespace pv::qt
