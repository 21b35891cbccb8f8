#include "app/help/help_viewer.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace zudira {

namespace {
constexpr int kContextRole = Qt::UserRole;
constexpr int kContextsRole = Qt::UserRole + 1;
}  // namespace

HelpViewer::HelpViewer(HelpDocument document, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(std::move(document)) {
  setObjectName("HelpViewer");
  setWindowTitle("Zudira Help");
  resize(760, 520);

  BuildPanes();

  auto* splitter = new QSplitter;
  splitter->addWidget(tabs_);
  splitter->addWidget(topic_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({230, 530});
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(splitter);

  FillContents();
  index_entries_ = document_.Index();
  FillIndex(QString());

  const int contents_width = ContentsWidth();
  tabs_->setMinimumWidth(contents_width);
  const int pane_width = std::max(230, contents_width);
  splitter->setSizes({pane_width, 530});
  resize(std::max(760, pane_width + 530 + 16), 520);

  ConnectPanes();
}

// The contents tree and the index in tabs, and the topic beside them.
void HelpViewer::BuildPanes() {
  tabs_ = new QTabWidget;
  tabs_->setObjectName("HelpTabs");

  contents_ = new QTreeWidget;
  contents_->setObjectName("HelpContentsTree");
  contents_->setHeaderHidden(true);
  contents_->setAccessibleName("Contents");
  tabs_->addTab(contents_, "&Contents");

  auto* index_page = new QWidget;
  auto* index_layout = new QVBoxLayout(index_page);
  index_layout->setContentsMargins(4, 4, 4, 4);
  find_ = new QLineEdit;
  find_->setObjectName("HelpFind");
  find_->setPlaceholderText("Type the first letters of a word");
  find_->setAccessibleName("Find a word");
  index_ = new QListWidget;
  index_->setObjectName("HelpIndexList");
  index_->setAccessibleName("Index");
  index_layout->addWidget(find_);
  index_layout->addWidget(index_);
  tabs_->addTab(index_page, "&Index");

  topic_ = new QTextBrowser;
  topic_->setObjectName("HelpTopic");
  topic_->setOpenLinks(false);
  topic_->setAccessibleName("Topic");
}

// Wide enough for the longest title, so none is cut short.
int HelpViewer::ContentsWidth() const {
  int widest_title = 0;
  for (QTreeWidgetItemIterator it(contents_); *it != nullptr; ++it) {
    int depth = 1;  // the root decoration takes one indentation
    for (const QTreeWidgetItem* up = (*it)->parent(); up != nullptr; up = up->parent()) ++depth;
    widest_title =
        std::max(widest_title, depth * contents_->indentation() +
                                   contents_->fontMetrics().horizontalAdvance((*it)->text(0)));
  }
  return widest_title + 2 * contents_->frameWidth() +
         contents_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 12;
}

void HelpViewer::ConnectPanes() {
  connect(contents_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item != nullptr) ShowTopic(item->data(0, kContextRole).toInt());
  });
  connect(find_, &QLineEdit::textChanged, this, &HelpViewer::FillIndex);
  connect(find_, &QLineEdit::returnPressed, this, [this] {
    if (index_->count() > 0) OpenEntry(index_->item(0));
  });
  connect(index_, &QListWidget::itemActivated, this, &HelpViewer::OpenEntry);
  connect(index_, &QListWidget::itemClicked, this, &HelpViewer::OpenEntry);
  connect(topic_, &QTextBrowser::anchorClicked, this, &HelpViewer::OpenLink);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
          &QWidget::close);
}

void HelpViewer::FillContents() {
  contents_->clear();
  QTreeWidgetItem* parent = nullptr;
  for (const HelpTopic& topic : document_.Topics()) {
    QTreeWidgetItem* item = nullptr;
    if (topic.level > 1 && parent != nullptr) {
      item = new QTreeWidgetItem(parent);
    } else {
      item = new QTreeWidgetItem(contents_);
      parent = item;
    }
    item->setText(0, QString::fromStdString(topic.title));
    item->setData(0, kContextRole, topic.context);
  }
  contents_->expandAll();
}

// Shows the index entries that start with `find` (a word inside an entry also matches, after
// the entries that start with it).
void HelpViewer::FillIndex(const QString& find) {
  index_->clear();
  const QString wanted = find.trimmed();
  std::vector<HelpIndexEntry> later;
  auto add = [this](const HelpIndexEntry& entry) {
    auto* item = new QListWidgetItem(QString::fromStdString(entry.keyword), index_);
    item->setData(kContextRole, entry.context);
    QVariantList contexts;
    for (int context : entry.contexts) contexts << context;
    item->setData(kContextsRole, contexts);
  };
  for (const HelpIndexEntry& entry : index_entries_) {
    const QString keyword = QString::fromStdString(entry.keyword);
    if (wanted.isEmpty() || keyword.startsWith(wanted, Qt::CaseInsensitive)) {
      add(entry);
    } else if (keyword.contains(wanted, Qt::CaseInsensitive)) {
      later.push_back(entry);
    }
  }
  for (const HelpIndexEntry& entry : later) add(entry);
  if (index_->count() > 0) index_->setCurrentRow(0);
}

bool HelpViewer::ShowTopic(int context) {
  const HelpTopic* topic = document_.Find(context);
  if (topic == nullptr) {
    current_ = 0;
    topic_->setHtml(QString("<h2>No help topic</h2><p>This help file has no topic for help "
                            "context %1. Choose a topic from the contents or the index.</p>")
                        .arg(context));
    return false;
  }
  current_ = context;
  topic_->setHtml("<h2>" + QString::fromStdString(topic->title).toHtmlEscaped() + "</h2>\n" +
                  QString::fromStdString(topic->html));
  SelectInContents(context);
  return true;
}

void HelpViewer::SelectInContents(int context) {
  QTreeWidgetItemIterator it(contents_);
  for (; *it != nullptr; ++it) {
    if ((*it)->data(0, kContextRole).toInt() == context) {
      if (contents_->currentItem() != *it) {
        const QSignalBlocker block(contents_);
        contents_->setCurrentItem(*it);
      }
      return;
    }
  }
}

void HelpViewer::ShowContents() {
  tabs_->setCurrentIndex(0);
  if (!document_.IsEmpty()) ShowTopic(document_.Topics().front().context);
}

void HelpViewer::ShowIndex() {
  tabs_->setCurrentIndex(1);
  find_->setFocus();
  find_->selectAll();
  if (current_ == 0 && !document_.IsEmpty()) ShowTopic(document_.Topics().front().context);
}

void HelpViewer::ClearIndexFilter() {
  find_->clear();
}

void HelpViewer::OpenEntry(const QListWidgetItem* item) {
  if (item == nullptr) return;
  const QVariantList contexts = item->data(kContextsRole).toList();
  if (contexts.size() <= 1) {
    ShowTopic(item->data(kContextRole).toInt());
    return;
  }
  // A word of several topics lists them, each a link, as help indexes do.
  QString html = "<h2>" + item->text().toHtmlEscaped() + "</h2>\n<p>Topics found:</p>\n<ul>\n";
  for (const QVariant& context : contexts) {
    if (const HelpTopic* topic = document_.Find(context.toInt()))
      html += QString("<li><a href=\"topic:%1\">%2</a></li>\n")
                  .arg(topic->context)
                  .arg(QString::fromStdString(topic->title).toHtmlEscaped());
  }
  current_ = 0;
  topic_->setHtml(html + "</ul>\n");
}

void HelpViewer::OpenLink(const QUrl& url) {
  if (url.scheme() == "topic") ShowTopic(url.path().toInt());
}

}  // namespace zudira
