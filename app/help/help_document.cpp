#include "app/help/help_document.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>

namespace zudira {

namespace {

// Inline markup of one line: escapes HTML, then turns [[n|words]] into links and *w* into bold.
QString InlineHtml(const QString& line) {
  QString html = line.toHtmlEscaped();
  static const QRegularExpression link(R"(\[\[(\d+)\|([^\]]+)\]\])");
  html.replace(link, R"(<a href="topic:\1">\2</a>)");
  static const QRegularExpression bold(R"(\*([^*]+)\*)");
  html.replace(bold, R"(<b>\1</b>)");
  return html;
}

// Renders the body lines: blank lines end paragraphs, "- " lines form lists.
QString BodyHtml(const QStringList& lines) {
  QString html;
  QString paragraph;
  bool in_list = false;
  auto end_paragraph = [&] {
    if (!paragraph.isEmpty()) html += "<p>" + paragraph + "</p>\n";
    paragraph.clear();
  };
  auto end_list = [&] {
    if (in_list) html += "</ul>\n";
    in_list = false;
  };
  for (const QString& raw : lines) {
    const QString line = raw.trimmed();
    if (line.isEmpty()) {
      end_paragraph();
      end_list();
    } else if (line.startsWith("- ")) {
      end_paragraph();
      if (!in_list) html += "<ul>\n";
      in_list = true;
      html += "<li>" + InlineHtml(line.mid(2)) + "</li>\n";
    } else {
      end_list();
      if (!paragraph.isEmpty()) paragraph += ' ';
      paragraph += InlineHtml(line);
    }
  }
  end_paragraph();
  end_list();
  return html;
}

}  // namespace

HelpDocument HelpDocument::Parse(const QString& text) {
  HelpDocument document;
  QStringList body;
  auto finish_topic = [&] {
    if (!document.topics_.empty()) document.topics_.back().html = BodyHtml(body);
    body.clear();
  };
  static const QRegularExpression heading(R"(^(={2,3})\s*(\d+)\s*\|\s*(.*)$)");
  const QStringList lines = text.split('\n');
  for (QString line : lines) {
    if (line.endsWith('\r')) line.chop(1);
    if (line.startsWith('#')) continue;
    const QRegularExpressionMatch match = heading.match(line);
    if (match.hasMatch()) {
      finish_topic();
      HelpTopic topic;
      topic.level = match.captured(1).size() == 2 ? 1 : 2;
      topic.context = match.captured(2).toInt();
      topic.title = match.captured(3).trimmed();
      document.topics_.push_back(topic);
      continue;
    }
    if (document.topics_.empty()) continue;  // text before the first topic has no home
    if (line.startsWith("keywords:")) {
      for (const QString& word : line.mid(9).split(';', Qt::SkipEmptyParts)) {
        if (!word.trimmed().isEmpty()) document.topics_.back().keywords << word.trimmed();
      }
      continue;
    }
    body << line;
  }
  finish_topic();
  return document;
}

const HelpTopic* HelpDocument::Find(int context) const {
  auto it = std::find_if(topics_.begin(), topics_.end(),
                         [context](const HelpTopic& t) { return t.context == context; });
  return it == topics_.end() ? nullptr : &*it;
}

QString IndexWordKey(const QString& word) {
  QString text = word.toLower();
  static const std::pair<const char*, const char*> kSpellings[] = {
      {"colour", "color"}, {"centre", "center"}, {"grey", "gray"}, {"dialogue", "dialog"}};
  for (const auto& [british, american] : kSpellings)
    text.replace(QLatin1String(british), QLatin1String(american));
  QString key;
  static const QRegularExpression separators(R"([^\p{L}\p{N}]+)");
  for (QString part : text.split(separators, Qt::SkipEmptyParts)) {
    if (part.size() > 3 && part.endsWith('s') && !part.endsWith("ss") && !part.endsWith("us"))
      part.chop(1);
    key += part;
  }
  return key;
}

std::vector<HelpIndexEntry> HelpDocument::Index() const {
  struct Word {
    QString key;
    HelpIndexEntry entry;
    bool titled = false;
  };
  std::vector<Word> words;
  auto add = [&words](const QString& form, int context, bool title) {
    const QString key = IndexWordKey(form);
    if (key.isEmpty()) return;
    auto it = std::find_if(words.begin(), words.end(), [&](const Word& w) { return w.key == key; });
    if (it == words.end()) {
      words.push_back({key, {form, context, {context}}, title});
      return;
    }
    // A topic's own title is the clearest form of the word.
    if (title && !it->titled) {
      it->entry.keyword = form;
      it->titled = true;
    }
    std::vector<int>& contexts = it->entry.contexts;
    if (std::find(contexts.begin(), contexts.end(), context) == contexts.end())
      contexts.push_back(context);
  };
  for (const HelpTopic& topic : topics_) {
    add(topic.title, topic.context, true);
    for (const QString& word : topic.keywords) add(word, topic.context, false);
  }
  std::vector<HelpIndexEntry> index;
  for (Word& w : words) {
    w.entry.context = w.entry.contexts.front();
    index.push_back(std::move(w.entry));
  }
  std::stable_sort(index.begin(), index.end(), [](const auto& a, const auto& b) {
    return QString::compare(a.keyword, b.keyword, Qt::CaseInsensitive) < 0;
  });
  return index;
}

bool LoadHelpFile(const QString& path, HelpDocument& document, QString& error) {
  QFile file(path);
  if (!file.exists()) {
    error = QString(
                "The help file \"%1\" was not found, so help cannot be shown.\n"
                "Reinstall Zudira to restore it.")
                .arg(path);
    return false;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    error = QString("The help file \"%1\" cannot be read: %2").arg(path, file.errorString());
    return false;
  }
  document = HelpDocument::Parse(QString::fromUtf8(file.readAll()));
  if (document.IsEmpty()) {
    error = QString("The help file \"%1\" holds no help topics.").arg(path);
    return false;
  }
  return true;
}

}  // namespace zudira
