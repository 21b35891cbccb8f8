#include "app/help_viewer.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <QVBoxLayout>

namespace zudira {

namespace {
constexpr int kContextRole = Qt::UserRole;
}

THelpViewer::THelpViewer(HelpDocument document, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(std::move(document)) {
  setObjectName("HelpViewer");
  setWindowTitle("Zudira Help");
  resize(760, 520);

  tabs_ = new QTabWidget;
  tabs_->setObjectName("HelpTabs");

  contents_ = new QTreeWidget;
  contents_->setObjectName("HelpContentsTree");
  contents_->setHeaderHidden(true);
  tabs_->addTab(contents_, "&Contents");

  auto* indexPage = new QWidget;
  auto* indexLayout = new QVBoxLayout(indexPage);
  indexLayout->setContentsMargins(4, 4, 4, 4);
  find_ = new QLineEdit;
  find_->setObjectName("HelpFind");
  find_->setPlaceholderText("Type the first letters of a word");
  index_ = new QListWidget;
  index_->setObjectName("HelpIndexList");
  indexLayout->addWidget(find_);
  indexLayout->addWidget(index_);
  tabs_->addTab(indexPage, "&Index");

  topic_ = new QTextBrowser;
  topic_->setObjectName("HelpTopic");
  topic_->setOpenLinks(false);

  auto* splitter = new QSplitter;
  splitter->addWidget(tabs_);
  splitter->addWidget(topic_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({230, 530});
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(splitter);

  FillContents();
  FillIndex(QString());

  connect(contents_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item != nullptr) ShowTopic(item->data(0, kContextRole).toInt());
  });
  connect(find_, &QLineEdit::textChanged, this, &THelpViewer::FillIndex);
  connect(find_, &QLineEdit::returnPressed, this, [this] {
    if (index_->count() > 0) ShowTopic(index_->item(0)->data(kContextRole).toInt());
  });
  connect(index_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { ShowTopic(item->data(kContextRole).toInt()); });
  connect(index_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ShowTopic(item->data(kContextRole).toInt()); });
  connect(topic_, &QTextBrowser::anchorClicked, this, &THelpViewer::OpenLink);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
          &QWidget::close);
}

void THelpViewer::FillContents() {
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
    item->setText(0, topic.title);
    item->setData(0, kContextRole, topic.context);
  }
  contents_->expandAll();
}

// Shows the index entries that start with `find` (a word inside an entry also matches, after
// the entries that start with it).
void THelpViewer::FillIndex(const QString& find) {
  index_->clear();
  const QString wanted = find.trimmed();
  std::vector<HelpIndexEntry> later;
  auto add = [this](const HelpIndexEntry& entry) {
    auto* item = new QListWidgetItem(entry.keyword, index_);
    item->setData(kContextRole, entry.context);
  };
  for (const HelpIndexEntry& entry : document_.Index()) {
    if (wanted.isEmpty() || entry.keyword.startsWith(wanted, Qt::CaseInsensitive)) {
      add(entry);
    } else if (entry.keyword.contains(wanted, Qt::CaseInsensitive)) {
      later.push_back(entry);
    }
  }
  for (const HelpIndexEntry& entry : later) add(entry);
  if (index_->count() > 0) index_->setCurrentRow(0);
}

bool THelpViewer::ShowTopic(int context) {
  const HelpTopic* topic = document_.Find(context);
  if (topic == nullptr) {
    current_ = 0;
    topic_->setHtml(QString("<h2>No help topic</h2><p>This help file has no topic for help "
                            "context %1. Choose a topic from the contents or the index.</p>")
                        .arg(context));
    return false;
  }
  current_ = context;
  topic_->setHtml("<h2>" + topic->title.toHtmlEscaped() + "</h2>\n" + topic->html);
  SelectInContents(context);
  return true;
}

void THelpViewer::SelectInContents(int context) {
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

void THelpViewer::ShowContents() {
  tabs_->setCurrentIndex(0);
  if (!document_.IsEmpty()) ShowTopic(document_.Topics().front().context);
}

void THelpViewer::ShowIndex() {
  tabs_->setCurrentIndex(1);
  find_->setFocus();
  find_->selectAll();
  if (current_ == 0 && !document_.IsEmpty()) ShowTopic(document_.Topics().front().context);
}

void THelpViewer::OpenLink(const QUrl& url) {
  if (url.scheme() == "topic") ShowTopic(url.path().toInt());
}

}  // namespace zudira
