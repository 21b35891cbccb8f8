#include "app/dialogs/statistical_tables_window.h"

#include <QAbstractTableModel>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

#include "app/help/help.h"
#include "app/help/help_contexts.h"
#include "app/shell/apply_appearance.h"
#include "app/shell/data_modules.h"
#include "app/shell/error_report.h"
#include "app/shell/message_boxes.h"
#include "appearance/appearance_settings.h"
#include "numeric/statistical_table_text.h"
#include "reports/report_system.h"
#include "reports/table_report.h"
#include "stats/exception.h"
#include "widgets/balloon_hints.h"
#include "widgets/latin1_text.h"
#include "widgets/window_placement.h"

namespace zudira {

// The table's cells with its headings as the view's frozen header sections.
class StatTableModel : public QAbstractTableModel {
 public:
  explicit StatTableModel(QObject* parent) : QAbstractTableModel(parent) {}

  void SetTable(const StatTable* table) {
    beginResetModel();
    table_ = table;
    endResetModel();
  }

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() || table_ == nullptr ? 0 : table_->Rows();
  }
  int columnCount(const QModelIndex& parent) const override {
    return parent.isValid() || table_ == nullptr ? 0 : table_->Columns();
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (table_ == nullptr || !index.isValid()) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    return QString::fromStdString(TableCellText(*table_, index.row(), index.column()));
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (table_ == nullptr || role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical)
      return QString::fromStdString(LocalHeading(table_->row_headings.at(section)));
    QStringList lines;
    for (const TableHeadingLine& line : table_->heading_lines)
      lines << QString::fromStdString(LocalHeading(line.texts.at(section)));
    return lines.join(u'\n');
  }

 private:
  const StatTable* table_ = nullptr;
};

namespace {

// The desktop's grey-text colour, darkened when it would vanish on the grid's background.
QColor GridColour(const QPalette& palette, const QColor& background) {
  QColor grey = palette.color(QPalette::Disabled, QPalette::Text);
  if (std::abs(grey.lightness() - background.lightness()) < 64) grey = grey.darker(170);
  return grey;
}

QComboBox* Combo(QWidget* parent, const char* name, const QStringList& items, const char* hint) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->addItems(items);
  box->setToolTip(QString::fromUtf8(hint));
  return box;
}

QLineEdit* Edit(QWidget* parent, const char* name, const QString& text, const char* hint) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(name);
  edit->setToolTip(QString::fromUtf8(hint));
  return edit;
}

QString Typed(Real value) {
  return QString::fromStdString(TypedListText({value}));
}

const QStringList kDiscreteCells = {QStringLiteral("P(X = k)"), QStringLiteral("P(X ≤ k)")};

}  // namespace

StatisticalTablesWindow::StatisticalTablesWindow(const TableSubject& subject, QWidget* parent)
    : QDialog(parent), subject_(subject) {
  setObjectName(QStringLiteral("StatTablesForm"));
  setWindowTitle(QStringLiteral("Statistical Tables"));
  setWindowFlag(Qt::WindowMinimizeButtonHint, true);
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  resize(780, 560);
  SetHelpContext(this, kHelpStatTables);

  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("TableList"));
  list_->setToolTip(QStringLiteral("Choose the table to show"));
  for (int k = 0; k < kTableKindCount; ++k)
    list_->addItem(QString::fromStdString(TableKindName(static_cast<TableKind>(k))));
  list_->setFixedWidth(160);

  decimals_ = new QSpinBox(this);
  decimals_->setObjectName(QStringLiteral("DecimalsSpin"));
  decimals_->setRange(0, kMaxTableDecimals);
  decimals_->setValue(4);
  decimals_->setKeyboardTracking(false);
  decimals_->setToolTip(QStringLiteral("Decimal places of the cells (0 to 10)"));
  BuildTableView();

  QLayout* button_row = BuildButtonRow();

  auto* decimals_row = new QHBoxLayout;
  auto* decimals_label = new QLabel(QStringLiteral("&Decimals:"), this);
  decimals_label->setBuddy(decimals_);
  decimals_row->addWidget(decimals_label);
  decimals_row->addWidget(decimals_);
  decimals_row->addStretch();

  auto* right = new QVBoxLayout;
  auto* settings_box = new QGroupBox(QStringLiteral("Settings"), this);
  auto* settings_layout = new QVBoxLayout(settings_box);
  settings_layout->addWidget(BuildSettingsPages());
  settings_layout->addLayout(decimals_row);
  right->addWidget(settings_box);
  right->addWidget(title_);
  right->addWidget(note_);
  right->addWidget(axes_);
  right->addWidget(grid_, 1);
  auto* top = new QHBoxLayout;
  top->addWidget(list_);
  top->addLayout(right, 1);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(top, 1);
  outer->addLayout(button_row);

  ApplyAppearance(this);
  SetHintState(this, Appearance().HintState);

  ConnectChoices();
  list_->setCurrentRow(0);
  CentreOnScreen(this);
}

// The title, note and axes above the grid, and the grid on its model.
void StatisticalTablesWindow::BuildTableView() {
  title_ = new QLabel(this);
  title_->setObjectName(QStringLiteral("TableTitle"));
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  note_ = new QLabel(this);
  note_->setObjectName(QStringLiteral("TableNote"));
  note_->setWordWrap(true);
  axes_ = new QLabel(this);
  axes_->setObjectName(QStringLiteral("TableAxes"));

  model_ = new StatTableModel(this);
  grid_ = new QTableView(this);
  grid_->setObjectName(QStringLiteral("TableGrid"));
  grid_->setModel(model_);
  grid_->setShowGrid(true);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setWordWrap(false);
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 4);
  grid_->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->horizontalHeader()->setHighlightSections(false);
  grid_->setToolTip(QStringLiteral("The table; its headings stay in view as it scrolls"));
  const QColor background = ColourFromValue(Appearance().ReadOnlyColour);
  grid_->setStyleSheet(QStringLiteral("QTableView { background-color: %1; gridline-color: %2; }")
                           .arg(background.name(), GridColour(palette(), background).name()));
}

// Print, Copy and Save as CSV on the left; Help and Close on the right.
QLayout* StatisticalTablesWindow::BuildButtonRow() {
  struct ButtonRow {
    const char* name;
    const char* text;
    const char* hint;
    void (StatisticalTablesWindow::*handler)();
  };
  const ButtonRow buttons[] = {
      {"PrintBtn", "&Print", "Print the table, with a preview first",
       &StatisticalTablesWindow::PrintBtnClick},
      {"CopyBtn", "&Copy", "Copy the table with its headings, to paste into a spreadsheet",
       &StatisticalTablesWindow::CopyBtnClick},
      {"CsvBtn", "Save as &CSV...", "Save the table as a comma-separated file",
       &StatisticalTablesWindow::CsvBtnClick},
  };
  auto* button_row = new QHBoxLayout;
  for (const ButtonRow& b : buttons) {
    auto* button = new QPushButton(QString::fromUtf8(b.text), this);
    button->setObjectName(b.name);
    button->setToolTip(QString::fromUtf8(b.hint));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, b.handler);
    button_row->addWidget(button);
  }
  button_row->addStretch();
  auto* help = new QPushButton(QStringLiteral("&Help"), this);
  help->setObjectName(QStringLiteral("HelpBtn"));
  help->setToolTip(QStringLiteral("What the chosen table's cells mean"));
  help->setAutoDefault(false);
  connect(help, &QPushButton::clicked, this,
          [this] { HelpContext(kHelpTableTopics[static_cast<int>(settings_.kind)]); });
  auto* close = new QPushButton(QStringLiteral("&Close"), this);
  close->setObjectName(QStringLiteral("CloseBtn"));
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  button_row->addWidget(help);
  button_row->addWidget(close);
  return button_row;
}

void StatisticalTablesWindow::ConnectChoices() {
  // Every change of a choice shows the table at once; typed texts when they are left.
  auto show = [this] { ShowChosenTable(); };
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    // Only the shown page counts for the settings' height, so a one-line page takes one line.
    for (int i = 0; i < pages_->count(); ++i)
      pages_->widget(i)->setSizePolicy(QSizePolicy::Preferred,
                                       i == row ? QSizePolicy::Maximum : QSizePolicy::Ignored);
    pages_->setCurrentIndex(row);
    ShowChosenTable();
  });
  connect(decimals_, &QSpinBox::valueChanged, this, show);
  connect(binomial_n_, &QSpinBox::valueChanged, this, show);
  for (QComboBox* box : {normal_form_, f_alpha_, binomial_cells_, poisson_cells_})
    connect(box, &QComboBox::currentIndexChanged, this, show);
  for (QLineEdit* edit : {binomial_p_, poisson_lambda_, start_, step_, count_})
    connect(edit, &QLineEdit::editingFinished, this, show);
}

// The table goes before the dialog hides its children, and a hidden header still asks the
// model; so the model lets go of it first.
StatisticalTablesWindow::~StatisticalTablesWindow() {
  model_->SetTable(nullptr);
}

// One page of settings per table, in the list's order.
QWidget* StatisticalTablesWindow::BuildSettingsPages() {
  pages_ = new QStackedWidget(this);
  pages_->setObjectName(QStringLiteral("SettingsPages"));
  AddDistributionPages();
  AddCountingPages();
  AddCurrentPage();
  return pages_;
}

std::pair<QWidget*, QFormLayout*> StatisticalTablesWindow::AddPage() {
  auto* widget = new QWidget(pages_);
  auto* form = new QFormLayout(widget);
  form->setContentsMargins(0, 0, 0, 0);
  pages_->addWidget(widget);
  return {widget, form};
}

// The normal, t, chi-squared and F tables.
void StatisticalTablesWindow::AddDistributionPages() {
  auto page = [this] { return AddPage(); };
  auto [normal, normal_form] = page();
  normal_form_ = Combo(normal, "NormalForm",
                       {QStringLiteral("Φ(z) = P(Z ≤ z), z from −3.49 to 3.49"),
                        QStringLiteral("P(0 ≤ Z ≤ z), z from 0 to 3.49")},
                       "Which form of the standard normal table");
  normal_form->addRow(QStringLiteral("&Form:"), normal_form_);

  auto [t, t_form] = page();
  t_form->addRow(
      new QLabel(QStringLiteral("Degrees of freedom 1 to 1000 and ∞; α one- and two-tailed."), t));
  auto [chi, chi_form] = page();
  chi_form->addRow(new QLabel(QStringLiteral("Degrees of freedom 1 to 100; upper-tail α."), chi));

  auto [f, f_form] = page();
  QStringList alphas;
  for (const char* a : kFAlphaTexts) alphas << QStringLiteral("α = ") + QString::fromLatin1(a);
  f_alpha_ = Combo(f, "FAlpha", alphas, "The upper-tail probability of the F table");
  f_alpha_->setCurrentIndex(1);
  f_form->addRow(QStringLiteral("&Upper tail:"), f_alpha_);
}

// The binomial and Poisson tables.
void StatisticalTablesWindow::AddCountingPages() {
  auto page = [this] { return AddPage(); };
  auto [binom, binom_form] = page();
  binomial_n_ = new QSpinBox(binom);
  binomial_n_->setObjectName(QStringLiteral("BinomialN"));
  binomial_n_->setRange(1, kMaxBinomialN);
  binomial_n_->setValue(10);
  binomial_n_->setKeyboardTracking(false);
  binomial_n_->setToolTip(QStringLiteral("Number of trials n (1 to 1547)"));
  std::vector<Real> ps;
  for (int i = 1; i <= 19; ++i) ps.push_back(static_cast<Real>(5 * i) / 100);
  binomial_p_ = Edit(binom, "BinomialP", QString::fromStdString(TypedListText(ps)),
                     "Probabilities of success p (0 to 1), separated by \";\"");
  binomial_cells_ = Combo(binom, "BinomialCells", kDiscreteCells, "Mass or cumulative probability");
  binom_form->addRow(QStringLiteral("&n:"), binomial_n_);
  binom_form->addRow(QStringLiteral("&p values:"), binomial_p_);
  binom_form->addRow(QStringLiteral("C&ells:"), binomial_cells_);

  auto [poisson, poisson_form] = page();
  std::vector<Real> lambdas{0.5L};
  for (int i = 1; i <= 10; ++i) lambdas.push_back(i);
  poisson_lambda_ = Edit(poisson, "PoissonLambda", QString::fromStdString(TypedListText(lambdas)),
                         "Means λ (0 or more), separated by \";\"");
  poisson_cells_ = Combo(poisson, "PoissonCells", kDiscreteCells, "Mass or cumulative probability");
  poisson_form->addRow(QStringLiteral("&λ values:"), poisson_lambda_);
  poisson_form->addRow(QStringLiteral("C&ells:"), poisson_cells_);
}

// The table of the distribution on the main window: its rows.
void StatisticalTablesWindow::AddCurrentPage() {
  auto [current, current_form] = AddPage();
  const TableRows rows =
      DefaultCurrentRows(subject_.kind, subject_.mean, subject_.sdev, subject_.third);
  start_ = Edit(current, "StartED", Typed(rows.start), "The first row's x (or k)");
  step_ = Edit(current, "StepED", Typed(rows.step), "The step from one row to the next (> 0)");
  count_ = Edit(current, "CountED", QString::number(rows.count), "How many rows (1 to 10,000)");
  auto* rows_line = new QHBoxLayout;
  for (auto [caption, edit] :
       {std::pair{"&Start:", start_}, std::pair{"S&tep:", step_}, std::pair{"C&ount:", count_}}) {
    auto* label = new QLabel(QString::fromUtf8(caption), current);
    label->setBuddy(edit);
    rows_line->addWidget(label);
    rows_line->addWidget(edit);
  }
  current_form->addRow(rows_line);
}

bool StatisticalTablesWindow::ReadSettings(TableSettings& s, std::string& error) const {
  s.kind = static_cast<TableKind>(std::max(0, list_->currentRow()));
  s.decimals = decimals_->value();
  s.normal_form = static_cast<NormalForm>(normal_form_->currentIndex());
  s.f_alpha = f_alpha_->currentIndex();
  s.binomial_n = binomial_n_->value();
  s.binomial_cells = static_cast<DiscreteCells>(binomial_cells_->currentIndex());
  s.poisson_cells = static_cast<DiscreteCells>(poisson_cells_->currentIndex());
  s.current_kind = subject_.kind;
  s.current_mean = subject_.mean;
  s.current_sdev = subject_.sdev;
  s.current_third = subject_.third;
  // Only the chosen table's typed texts are read, so a slip in another one never blocks it.
  if (s.kind == TableKind::kBinomial)
    return ReadTypedList(Latin1Bytes(binomial_p_->text()), s.binomial_p, error);
  if (s.kind == TableKind::kPoisson)
    return ReadTypedList(Latin1Bytes(poisson_lambda_->text()), s.poisson_lambda, error);
  if (s.kind == TableKind::kCurrent) {
    const std::string start = Latin1Bytes(start_->text());
    const std::string step = Latin1Bytes(step_->text());
    s.axis_decimals = std::max(TypedDecimals(start), TypedDecimals(step));
    return ReadTypedNumber(start, "start", s.start, error) &&
           ReadTypedNumber(step, "step", s.step, error) &&
           ReadTypedCount(Latin1Bytes(count_->text()), "count", s.count, error);
  }
  return true;
}

bool StatisticalTablesWindow::ShowChosenTable() {
  if (showing_) return false;
  TableSettings settings;
  std::string error;
  if (ReadSettings(settings, error)) error = CheckTableSettings(settings);
  if (!error.empty()) {
    showing_ = true;
    WarningMsg(QString::fromStdString(error));
    showing_ = false;
    return false;
  }
  StatTable table = BuildStatTable(settings);
  model_->SetTable(nullptr);
  settings_ = settings;
  table_ = std::move(table);
  model_->SetTable(&table_);
  title_->setText(QString::fromStdString(table_.title));
  note_->setText(QString::fromStdString(table_.note));
  // The grid's corner cannot hold text, so what the rows and heading lines are is said here.
  QStringList columns;
  for (const TableHeadingLine& line : table_.heading_lines)
    if (!line.label.empty()) columns << QString::fromStdString(line.label);
  axes_->setText(
      QStringLiteral("Rows: %1").arg(QString::fromStdString(table_.row_label)) +
      (columns.isEmpty() ? QString() : QStringLiteral("    Columns: ") + columns.join(" / ")));
  grid_->horizontalHeader()->resizeSections(QHeaderView::ResizeToContents);
  SetHelpContext(grid_, kHelpTableTopics[static_cast<int>(settings_.kind)]);
  return true;
}

TableReportContent StatisticalTablesWindow::ReportText() const {
  return TableReportText(table_);
}

void StatisticalTablesWindow::PrintBtnClick() {
  RunCommand([this] {
    TReportSystem* reports = SharedReportSystem();
    if (reports == nullptr) throw Exception("The report system is not running.");
    // The table's name and parameters title the preview, its status and a saved PDF.
    reports->RunReport(
        QString::fromStdString(table_.title).left(kTitleLimit),
        [this](TBaseReport& report) { rPrintTable(report); }, this);
  });
}

void StatisticalTablesWindow::rPrintTable(TBaseReport& report) {
  PrintTableReport(*SharedReportSystem(), report, ReportText());
}

void StatisticalTablesWindow::CopyBtnClick() {
  QGuiApplication::clipboard()->setText(QString::fromStdString(TableClipboardText(table_)));
}

void StatisticalTablesWindow::CsvBtnClick() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString name = QString::fromStdString(TableKindName(settings_.kind)) + " table.csv";
  const QString path =
      QFileDialog::getSaveFileName(this, QStringLiteral("Save as CSV"), folder + u'/' + name,
                                   QStringLiteral("CSV Files (*.csv);;All Files (*)"));
  if (!path.isEmpty()) SaveCsvTo(path);
}

bool StatisticalTablesWindow::SaveCsvTo(const QString& path) {
  // QSaveFile writes beside the target and renames on commit, so a failure leaves no half file.
  QSaveFile file(path);
  const QByteArray bytes = QByteArray::fromStdString(TableCsvText(table_));
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
    return true;
  file.cancelWriting();
  ErrorMsg(
      QStringLiteral("The table could not be saved as \"%1\": %2.").arg(path, file.errorString()));
  return false;
}

void ShowStatTables(const TableSubject& subject, QWidget* parent) {
  StatisticalTablesWindow form(subject, parent);
  form.exec();
}

}  // namespace zudira
