#include "widgets/accessible_caption.h"

#include <string>

#include "numeric/markup.h"

namespace zudira {

QString AccessibleCaption(const QString& caption) {
  const std::u32string plain = MarkupPlainText(caption.toStdU32String());
  QString name;
  const QString text = QString::fromStdU32String(plain);
  // "&x" marks an accelerator and "&&" stands for "&".
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    name += text[i];
  }
  name = name.trimmed();
  while (name.endsWith(':')) name = name.chopped(1).trimmed();
  return name;
}

}  // namespace zudira
