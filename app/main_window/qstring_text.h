// Catalogue and list texts are UTF-8 in std::string_view; the windows show them as QString.
#pragma once

#include <QString>
#include <string_view>

namespace zudira {

inline QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace zudira
