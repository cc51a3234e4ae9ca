// A catalogue given as a table from English source to translation, whatever the context; a text
// not in it has no translation. The table is read at each lookup, so a test may change it.
#pragma once

#include <map>
#include <string>

#include "platform/translate.h"

namespace pv::testing {

inline Translation TableTranslation(const std::map<std::string, std::string>& table) {
    return [&table](const char* /*context*/, const char* text) {
        auto it = table.find(text);
        return it != table.end() ? it->second : std::string();
    };
}

}  // namespace pv::testing
