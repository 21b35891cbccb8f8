#include "window_rules/help_document.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "window_rules/unicode_text.h"

namespace zudira {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The white space a heading may have around its context and bar (ASCII only, as in a regular
// expression's \s).
bool IsAsciiSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

bool StartsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}

std::string HtmlEscaped(std::string_view text) {
  std::string html;
  html.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '<':
        html += "&lt;";
        break;
      case '>':
        html += "&gt;";
        break;
      case '&':
        html += "&amp;";
        break;
      case '"':
        html += "&quot;";
        break;
      default:
        html += c;
    }
  }
  return html;
}

// [[digits|words]] becomes a link to the topic; the words hold no ']'.
std::string WithLinks(const std::string& html) {
  std::string out;
  size_t i = 0;
  while (i < html.size()) {
    if (StartsWith(std::string_view(html).substr(i), "[[")) {
      size_t bar = i + 2;
      while (bar < html.size() && IsDigit(html[bar])) ++bar;
      if (bar > i + 2 && bar < html.size() && html[bar] == '|') {
        const size_t close = html.find(']', bar + 1);
        if (close != std::string::npos && close > bar + 1 && close + 1 < html.size() &&
            html[close + 1] == ']') {
          out += "<a href=\"topic:" + html.substr(i + 2, bar - i - 2) + "\">" +
                 html.substr(bar + 1, close - bar - 1) + "</a>";
          i = close + 2;
          continue;
        }
      }
    }
    out += html[i++];
  }
  return out;
}

// *words* becomes bold; the words hold no '*'.
std::string WithBold(const std::string& html) {
  std::string out;
  size_t i = 0;
  while (i < html.size()) {
    if (html[i] == '*') {
      const size_t close = html.find('*', i + 1);
      if (close != std::string::npos && close > i + 1) {
        out += "<b>" + html.substr(i + 1, close - i - 1) + "</b>";
        i = close + 1;
        continue;
      }
    }
    out += html[i++];
  }
  return out;
}

// Inline markup of one line: escapes HTML, then turns [[n|words]] into links and *w* into bold.
std::string InlineHtml(std::string_view line) {
  return WithBold(WithLinks(HtmlEscaped(line)));
}

// Renders the body lines: blank lines end paragraphs, "- " lines form lists.
std::string BodyHtml(const std::vector<std::string_view>& lines) {
  std::string html;
  std::string paragraph;
  bool in_list = false;
  auto end_paragraph = [&] {
    if (!paragraph.empty()) html += "<p>" + paragraph + "</p>\n";
    paragraph.clear();
  };
  auto end_list = [&] {
    if (in_list) html += "</ul>\n";
    in_list = false;
  };
  for (std::string_view raw : lines) {
    const std::string line = TrimmedText(raw);
    if (line.empty()) {
      end_paragraph();
      end_list();
    } else if (StartsWith(line, "- ")) {
      end_paragraph();
      if (!in_list) html += "<ul>\n";
      in_list = true;
      html += "<li>" + InlineHtml(std::string_view(line).substr(2)) + "</li>\n";
    } else {
      end_list();
      if (!paragraph.empty()) paragraph += ' ';
      paragraph += InlineHtml(line);
    }
  }
  end_paragraph();
  end_list();
  return html;
}

// Reads "== <context> | <title>" (or "===" for a sub-topic) into `topic`; false for any other
// line. A context too large for an int reads as 0.
bool ReadHeading(std::string_view line, HelpTopic& topic) {
  const size_t marks = std::min(line.find_first_not_of('='), line.size());
  if (marks != 2 && marks != 3) return false;
  size_t at = marks;
  while (at < line.size() && IsAsciiSpace(line[at])) ++at;
  const size_t digits = at;
  while (at < line.size() && IsDigit(line[at])) ++at;
  if (at == digits) return false;
  const std::string_view number = line.substr(digits, at - digits);
  while (at < line.size() && IsAsciiSpace(line[at])) ++at;
  if (at == line.size() || line[at] != '|') return false;
  long long context = 0;
  for (char c : number) {
    context = context * 10 + (c - '0');
    if (context > INT_MAX) break;
  }
  topic = HelpTopic();
  topic.level = marks == 2 ? 1 : 2;
  topic.context = context > INT_MAX ? 0 : static_cast<int>(context);
  topic.title = TrimmedText(line.substr(at + 1));
  return true;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (size_t start = 0;;) {
    const size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// The length QString gives a text: its UTF-16 code units.
size_t Utf16Length(std::u32string_view text) {
  size_t length = 0;
  for (char32_t c : text) length += c > 0xFFFF ? 2 : 1;
  return length;
}

void ReplaceAll(std::u32string& text, std::u32string_view from, std::u32string_view to) {
  for (size_t at = text.find(from); at != std::u32string::npos; at = text.find(from, at)) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
}

}  // namespace

HelpDocument HelpDocument::Parse(std::string_view text) {
  HelpDocument document;
  std::vector<std::string_view> body;
  auto finish_topic = [&] {
    if (!document.topics_.empty()) document.topics_.back().html = BodyHtml(body);
    body.clear();
  };
  for (std::string_view line : Split(text, '\n')) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (StartsWith(line, "#")) continue;
    HelpTopic topic;
    if (ReadHeading(line, topic)) {
      finish_topic();
      document.topics_.push_back(std::move(topic));
      continue;
    }
    if (document.topics_.empty()) continue;  // text before the first topic has no home
    if (StartsWith(line, "keywords:")) {
      for (std::string_view word : Split(line.substr(9), ';')) {
        std::string trimmed = TrimmedText(word);
        if (!trimmed.empty()) document.topics_.back().keywords.push_back(std::move(trimmed));
      }
      continue;
    }
    body.push_back(line);
  }
  finish_topic();
  return document;
}

const HelpTopic* HelpDocument::Find(int context) const {
  auto it = std::find_if(topics_.begin(), topics_.end(),
                         [context](const HelpTopic& t) { return t.context == context; });
  return it == topics_.end() ? nullptr : &*it;
}

std::string IndexWordKey(std::string_view word) {
  std::u32string text = LowerCase(DecodeUtf8(word));
  static const std::pair<std::u32string_view, std::u32string_view> kSpellings[] = {
      {U"colour", U"color"}, {U"centre", U"center"}, {U"grey", U"gray"}, {U"dialogue", U"dialog"}};
  for (const auto& [british, american] : kSpellings) ReplaceAll(text, british, american);
  // The key runs the word's letters and numbers together, each part without a plural "s".
  std::u32string key;
  const std::u32string_view rest(text);
  for (size_t at = 0; at < rest.size();) {
    at = static_cast<size_t>(std::find_if(rest.begin() + at, rest.end(), IsLetterOrNumber) -
                             rest.begin());
    const auto end = static_cast<size_t>(
        std::find_if_not(rest.begin() + at, rest.end(), IsLetterOrNumber) - rest.begin());
    std::u32string_view part = rest.substr(at, end - at);
    if (Utf16Length(part) > 3 && part.ends_with(U's') && !part.ends_with(U"ss") &&
        !part.ends_with(U"us"))
      part.remove_suffix(1);
    key += part;
    at = end;
  }
  return EncodeUtf8(key);
}

std::vector<HelpIndexEntry> HelpDocument::Index() const {
  struct Word {
    std::string key;
    HelpIndexEntry entry;
    bool titled = false;
  };
  std::vector<Word> words;
  auto add = [&words](const std::string& form, int context, bool title) {
    std::string key = IndexWordKey(form);
    if (key.empty()) return;
    auto it = std::find_if(words.begin(), words.end(), [&](const Word& w) { return w.key == key; });
    if (it == words.end()) {
      words.push_back({std::move(key), {form, context, {context}}, title});
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
    for (const std::string& word : topic.keywords) add(word, topic.context, false);
  }
  std::vector<HelpIndexEntry> index;
  for (Word& w : words) {
    w.entry.context = w.entry.contexts.front();
    index.push_back(std::move(w.entry));
  }
  std::stable_sort(index.begin(), index.end(), [](const auto& a, const auto& b) {
    return CompareIgnoringCase(a.keyword, b.keyword) < 0;
  });
  return index;
}

}  // namespace zudira
