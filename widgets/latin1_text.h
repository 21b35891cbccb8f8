// The numeric layers work on 8-bit text; Latin-1 is how it crosses to and from QString.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace zudira {

inline QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Characters past Latin-1 become "?".
inline std::string Latin1Bytes(const QString& text) {
  return text.toLatin1().toStdString();
}

}  // namespace zudira
