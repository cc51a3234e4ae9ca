// The texts the game formats or shows itself, in the player's language: Windows-1252 bytes for
// the window model, made from the platform's translation of the English source.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "assets/translatable.h"
#include "platform/platform.h"

namespace pv {

std::string Tr(Platform& p, const char* context, const char* text);
// A printf format: a translation with other conversions than the source gives the source, so a
// catalogue mistake can never reach the formatter with arguments it does not expect.
std::string TrFormat(Platform& p, const char* context, const char* format);
// A %n text in the form for n (English: `one` when n is 1, else `text`), %n replaced by n.
std::string TrPlural(Platform& p, const char* context, const char* text, const char* one, long n);
// Every mark ("%1", "%n") in text replaced by value.
std::string FillIn(std::string text, const std::string& value, const char* mark = "%1");

// A sentence made before it is known who reads it, or in what language: a dialog shows it in the
// player's, the console in the desktop's. Its %1, %2 ... are values said as they are (a path,
// the system's words) or sentences of their own.
struct Sentence {
    const char* context = nullptr;  // none: `text` is a value, never translated
    std::string text;               // the English source, or the value
    std::vector<Sentence> values;

    static Sentence Value(std::string value) { return {nullptr, std::move(value), {}}; }
    bool empty() const { return text.empty(); }
};
// Looks up a text's translation as UTF-8; the English source when there is none.
using Translation = std::function<std::string(const char* context, const char* text)>;
// The sentence in the language of `translate` (English without one), values filled in, in one
// pass: a value holding "%2" stays as it is.
std::string Say(const Sentence& sentence, const Translation& translate = nullptr);
// The platform's catalogues, as a Translation.
Translation TranslationOf(Platform& p);

// Whether two printf formats take the same arguments in the same order.
bool SameConversions(const char* a, const char* b);

// The language of the desktop session: the first of `spoken` among LANGUAGE's list, else among
// the one locale LC_ALL, LC_MESSAGES or LANG names, in that order; English when none. A locale
// speaks its own catalogue ("pt_BR") before its language's ("pt"). `variable` reads the
// environment (nullptr for a variable not set).
std::string DesktopLanguage(const std::function<const char*(const char*)>& variable,
                            const std::vector<std::string>& spoken);

// `code` when it is one of `spoken`, else "".
std::string KnownLanguage(const std::string& code, const std::vector<std::string>& spoken);
// Whether `code` names a language as a catalogue's file name does: "de", "ast", "pt_BR".
bool IsLanguageCode(const std::string& code);

}  // namespace pv
