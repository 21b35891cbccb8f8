// The name a screen reader says for a caption.
#pragma once

#include <QString>

namespace zudira {

// A caption as a screen reader should say it: symbols as characters, no accelerator marks,
// no closing colon.
QString AccessibleCaption(const QString& caption);

}  // namespace zudira
