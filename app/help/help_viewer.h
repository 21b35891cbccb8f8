// The help window: the contents as a tree, an index with a find line, and the topic pane.
#pragma once

#include <QWidget>

#include "app/help/help.h"
#include "app/help/help_document.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

namespace zudira {

class HelpViewer : public QWidget {
  Q_OBJECT

 public:
  explicit HelpViewer(HelpDocument document, QWidget* parent = nullptr);

  // Shows the topic of `context`; false (and a note in the topic pane) when there is none.
  bool ShowTopic(int context);
  // Shows the contents page and the contents tab.
  void ShowContents();
  // Shows the index tab with the find line focused.
  void ShowIndex();
  // Empties the index's find line, so the whole index is listed again.
  void ClearIndexFilter();

  // The context of the topic shown, or 0 when none is.
  int CurrentContext() const { return current_; }
  const HelpDocument& Document() const { return document_; }

 private:
  void BuildPanes();
  int ContentsWidth() const;
  void ConnectPanes();
  void FillContents();
  void FillIndex(const QString& find);
  void OpenLink(const QUrl& url);
  // Opens an index entry: its topic, or the list of its topics when it has several.
  void OpenEntry(const QListWidgetItem* item);
  void SelectInContents(int context);

  HelpDocument document_;
  std::vector<HelpIndexEntry> index_entries_;
  int current_ = 0;
  QTabWidget* tabs_ = nullptr;
  QTreeWidget* contents_ = nullptr;
  QLineEdit* find_ = nullptr;
  QListWidget* index_ = nullptr;
  QTextBrowser* topic_ = nullptr;
};

// The help window of the program, or nullptr while none is open.
HelpViewer* OpenHelpViewer();

}  // namespace zudira
