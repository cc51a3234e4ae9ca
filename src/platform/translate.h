// The texts the game formats or shows itself, in the player's language: Windows-1252 bytes for
// the window model, made from the platform's translation of the English source.
#pragma once

#include <functional>
#include <string>
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
