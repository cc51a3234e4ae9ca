// The game keeps Windows-1252 bytes; widgets show Unicode.
#pragma once

#include <QString>

#include <string>

#include "platform/text.h"

namespace pv::qt {

inline QString ToQString(const std::string& bytes) {
    std::u32string text = DecodeCp1252(bytes);
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

// Characters Windows-1252 cannot hold become '?'.
inline std::string FromQString(const QString& text) {
    QList<uint> codes = text.toUcs4();
    return EncodeCp1252(std::u32string(codes.begin(), codes.end()));
}

}  // namespace pv::qt
