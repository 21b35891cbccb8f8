// The Statistical Tables window: a list of tables on the left, the chosen table's settings, and
// the table in a grid with frozen headings, to print, copy or save as CSV.
#pragma once

#include <QDialog>
#include <QString>
#include <utility>

#include "core/request.h"
#include "core/statistical_tables.h"

class QComboBox;
class QFormLayout;
class QLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;
class QStackedWidget;
class QTableView;

namespace zudira {

class StatTableModel;
class TBaseReport;
struct TableReportContent;

// The main window's distribution, as the "current distribution" table takes it.
struct TableSubject {
  DistributionKind kind = dkNormal;
  FieldValue mean{0, 0};
  FieldValue sdev{1, 1};
  FieldValue third{0, 0};  // the third parameter, for the kinds that have one
};

class StatisticalTablesWindow : public QDialog {
  Q_OBJECT
 public:
  explicit StatisticalTablesWindow(const TableSubject& subject, QWidget* parent = nullptr);
  ~StatisticalTablesWindow() override;

  // The table shown, and the settings it was made with.
  const StatTable& Table() const { return table_; }
  const TableSettings& Settings() const { return settings_; }

  // Reads the settings from the controls and shows their table. Bad input gets a message that
  // names the value, and the table shown stays. Returns whether a new table is shown.
  bool ShowChosenTable();

  void PrintBtnClick();
  void CopyBtnClick();
  void CsvBtnClick();
  // Writes the CSV file whole or not at all; an error names the path. Returns success.
  bool SaveCsvTo(const QString& path);
  void rPrintTable(TBaseReport& report);
  TableReportContent ReportText() const;

 private:
  void BuildTableView();
  QLayout* BuildButtonRow();
  void ConnectChoices();
  QWidget* BuildSettingsPages();
  std::pair<QWidget*, QFormLayout*> AddPage();
  void AddDistributionPages();
  void AddCountingPages();
  void AddCurrentPage();
  bool ReadSettings(TableSettings& settings, std::string& error) const;

  TableSubject subject_;
  TableSettings settings_;
  StatTable table_;
  QListWidget* list_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  QSpinBox* decimals_ = nullptr;
  QComboBox* normal_form_ = nullptr;
  QComboBox* f_alpha_ = nullptr;
  QSpinBox* binomial_n_ = nullptr;
  QLineEdit* binomial_p_ = nullptr;
  QComboBox* binomial_cells_ = nullptr;
  QLineEdit* poisson_lambda_ = nullptr;
  QComboBox* poisson_cells_ = nullptr;
  QLineEdit* start_ = nullptr;
  QLineEdit* step_ = nullptr;
  QLineEdit* count_ = nullptr;
  QLabel* title_ = nullptr;
  QLabel* note_ = nullptr;
  QLabel* axes_ = nullptr;
  QTableView* grid_ = nullptr;
  StatTableModel* model_ = nullptr;
  bool showing_ = false;  // a message box of ShowChosenTable is open
};

// The Statistical Tables command: shows the window modally for the main window's distribution.
void ShowStatTables(const TableSubject& subject, QWidget* parent = nullptr);

}  // namespace zudira
