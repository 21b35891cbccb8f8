// The lists window (TStatListForm) and the three Lists commands that ask for N and show it.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "window_rules/list_rows.h"

class QPushButton;
class QTableView;

namespace zudira {

class ListRowsModel;
class TBaseReport;

// A modal dialog with the table `LB` (header columns "N" and "Value", grid lines, the Read Only
// Colour behind the rows), `PrintBtn` and the default button `OKBtn`.
class TStatListForm : public QDialog {
  Q_OBJECT
 public:
  explicit TStatListForm(QWidget* parent = nullptr);
  ~TStatListForm() override;

  // Fills the table with rows "I|V" and records the kind for printing.
  void SetRows(ListKind kind, const std::vector<std::string>& rows);
  ListKind Kind() const { return kind_; }
  // The rows as shown, "I|V" each.
  const QStringList& Rows() const;

  // Prints the list through the shared report system; the window stays open.
  void PrintBtnClick();
  // The list report's page content, titled with the window's caption.
  void rPrintList(TBaseReport& report);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  ListKind kind_ = ListKind::lkBinomialCoeffs;
  QTableView* lb_ = nullptr;
  ListRowsModel* model_ = nullptr;
  QPushButton* print_btn_ = nullptr;
  QPushButton* ok_btn_ = nullptr;
};

// Builds the rows of one list; replaceable so a test can make the build fail.
using ListRowBuilder = std::function<std::vector<std::string>(ListKind, int)>;

// Shows the wait window, builds the rows, removes the wait window (also when the build
// throws; the error then propagates and no list is shown), and shows the lists window
// modally. Returns the dialog's result.
int ShowList(ListKind kind, int n, QWidget* parent = nullptr,
             const ListRowBuilder& build = BuildListRows);

// The Binomial Coefficients / Factorials / Permutations command: asks for N with AskInteger,
// warns when N is outside 0..1547, else shows the list. An error while the list is built is
// shown by the general error report.
void RunListCommand(ListKind kind, QWidget* parent = nullptr);

}  // namespace zudira
