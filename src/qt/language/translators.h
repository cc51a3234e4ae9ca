// The catalogues of the language the game speaks: its own, built into the program, and Qt's for
// the dialogs' buttons and the key names, from the system when installed.
#pragma once

#include <QString>
#include <QTranslator>

#include <utility>

namespace pv::qt {

class Translators {
  public:
    // The game's catalogues are read from `folder`: the ones built into the program by default.
    explicit Translators(QString folder = QStringLiteral(":/i18n")) : folder_(std::move(folder)) {}
    ~Translators();
    Translators(const Translators&) = delete;
    Translators& operator=(const Translators&) = delete;

    // Puts the catalogues of `language` ("de", "en", "es", "fr") in place of the ones in use.
    // A catalogue missing or damaged is left out: its texts stay English.
    void Use(const QString& language);
    const QString& Language() const { return language_; }

  private:
    QTranslator qtbase_;
    QTranslator game_;
    QString folder_;
    QString language_;
};

// A %n text in the form for n. Without a catalogue that has it, the English forms: `one` for 1.
QString Plural(const char* context, const char* text, const char* one, int n);

}  // namespace pv::qt
