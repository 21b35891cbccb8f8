#include "app/dialogs/lists_window.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

#include "app/dialogs/wait_window.h"
#include "app/help/help.h"
#include "app/help/help_contexts.h"
#include "app/shell/data_modules.h"
#include "app/shell/error_report.h"
#include "app/shell/message_boxes.h"
#include "appearance/appearance_settings.h"
#include "reports/content_reports.h"
#include "reports/report_system.h"
#include "stats/exception.h"
#include "widgets/latin1_text.h"
#include "widgets/window_placement.h"

namespace zudira {

// The rows "I|V" as two columns, split at the first delimiter; a row without one shows its
// whole text as the argument.
class ListRowsModel : public QAbstractTableModel {
 public:
  explicit ListRowsModel(QObject* parent) : QAbstractTableModel(parent) {}

  void SetRows(QStringList rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
  }
  const QStringList& Rows() const { return rows_; }

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
  }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 2; }

  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rows_.size()) return {};
    const QString& row = rows_.at(index.row());
    const qsizetype bar = row.indexOf(QLatin1Char(kListDelimiter));
    if (index.column() == 0) return bar < 0 ? row : row.left(bar);
    return bar < 0 ? QString() : row.mid(bar + 1);
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return section == 0 ? QStringLiteral("N") : QStringLiteral("Value");
  }

 private:
  QStringList rows_;
};

namespace {

// Home and End go to the first and last row, as in any list; the rows are chosen whole, so
// the cursor stays in the first column and the view never scrolls sideways.
class ListView : public QTableView {
 public:
  using QTableView::QTableView;

 protected:
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
    const int rows = model() == nullptr ? 0 : model()->rowCount();
    if (rows == 0) return QTableView::moveCursor(action, modifiers);
    switch (action) {
      case MoveHome:
        return model()->index(0, 0);
      case MoveEnd:
        return model()->index(rows - 1, 0);
      default: {
        const QModelIndex next = QTableView::moveCursor(action, modifiers);
        return next.isValid() ? next.siblingAtColumn(0) : next;
      }
    }
  }

  // The value column takes what the vertical scroll bar leaves, so both columns always fit
  // the view and the row numbers are never pushed out on the left.
  void updateGeometries() override {
    QTableView::updateGeometries();
    if (fitting_ || model() == nullptr || model()->columnCount() < 2) return;
    const int width = std::max(0, viewport()->width() - columnWidth(0));
    if (width == columnWidth(1)) return;
    fitting_ = true;
    setColumnWidth(1, width);
    fitting_ = false;
  }

 private:
  bool fitting_ = false;
};

constexpr int kClientWidth = 315;
constexpr int kClientHeight = 361;
constexpr int kListHeight = 324;

// The desktop's grey-text colour, darkened when it would vanish on the list's background.
QColor GridColour(const QPalette& palette, const QColor& background) {
  QColor grey = palette.color(QPalette::Disabled, QPalette::Text);
  if (std::abs(grey.lightness() - background.lightness()) < 64) grey = grey.darker(170);
  return grey;
}

}  // namespace

TStatListForm::TStatListForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("StatListForm"));
  InstallContextHelpKey(this, kHelpLists);
  setFixedSize(kClientWidth, kClientHeight);
  // A minimise button, so the window can take the program down with it.
  setWindowFlag(Qt::WindowMinimizeButtonHint, true);

  model_ = new ListRowsModel(this);
  lb_ = new ListView(this);
  lb_->setObjectName(QStringLiteral("LB"));
  lb_->setModel(model_);
  lb_->setGeometry(0, 0, kClientWidth, kListHeight);
  lb_->setShowGrid(true);
  lb_->setSelectionBehavior(QAbstractItemView::SelectRows);
  lb_->setSelectionMode(QAbstractItemView::SingleSelection);
  lb_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lb_->setWordWrap(false);
  lb_->verticalHeader()->hide();
  lb_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  lb_->verticalHeader()->setDefaultSectionSize(lb_->fontMetrics().height() + 4);
  lb_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  lb_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  lb_->horizontalHeader()->setHighlightSections(false);
  lb_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  lb_->setColumnWidth(0, 64);
  lb_->setColumnWidth(1, 247);
  const QColor background = ColourFromValue(Appearance().ReadOnlyColour);
  const QColor grid_colour = GridColour(palette(), background);
  lb_->setStyleSheet(QStringLiteral("QTableView { background-color: %1; gridline-color: %2; }")
                         .arg(background.name(), grid_colour.name()));

  print_btn_ = new QPushButton(QStringLiteral("Print"), this);
  print_btn_->setObjectName(QStringLiteral("PrintBtn"));
  print_btn_->setAutoDefault(false);
  ok_btn_ = new QPushButton(QStringLiteral("OK"), this);
  ok_btn_->setObjectName(QStringLiteral("OKBtn"));
  ok_btn_->setDefault(true);
  const int button_top = kListHeight + (kClientHeight - kListHeight - 27) / 2;
  print_btn_->setGeometry(8, button_top, 75, 27);
  ok_btn_->setGeometry(kClientWidth - 8 - 75, button_top, 75, 27);

  connect(print_btn_, &QPushButton::clicked, this, &TStatListForm::PrintBtnClick);
  connect(ok_btn_, &QPushButton::clicked, this, &QDialog::accept);
  CentreOnScreen(this);
}

TStatListForm::~TStatListForm() = default;

void TStatListForm::SetRows(ListKind kind, const std::vector<std::string>& rows) {
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(rows.size()));
  for (const std::string& row : rows) texts.push_back(Latin1(row));
  kind_ = kind;
  model_->SetRows(std::move(texts));
}

const QStringList& TStatListForm::Rows() const {
  return model_->Rows();
}

void TStatListForm::PrintBtnClick() {
  RunCommand([this] {
    TReportSystem* reports = SharedReportSystem();
    if (reports == nullptr) throw Exception("The report system is not running.");
    reports->RunReport(
        QString::fromStdString(ListPrintTitle(kind_)),
        [this](TBaseReport& report) { rPrintList(report); }, this);
  });
}

void TStatListForm::rPrintList(TBaseReport& report) {
  PrintListReport(*SharedReportSystem(), report, windowTitle(),
                  QString::fromStdString(ListValueHeading(kind_)), Rows());
}

void TStatListForm::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  MinimiseProgramWith(this, event);
}

int ShowList(ListKind kind, int n, QWidget* parent, const ListRowBuilder& build) {
  std::vector<std::string> rows;
  {
    WaitWindowScope wait(parent);
    rows = build(kind, n);
  }
  TStatListForm form(parent);
  form.setWindowTitle(QString::fromStdString(ListWindowCaption(kind, n)));
  form.SetRows(kind, rows);
  return form.exec();
}

void RunListCommand(ListKind kind, QWidget* parent) {
  int n = 0;
  if (!AskWholeNumber(QString::fromStdString(ListPromptCaption(kind)),
                      QString::fromLatin1(kListPrompt), n))
    return;
  if (!ListSizeAccepted(n)) {
    WarningMsg(QString::fromLatin1(kListRangeWarning));
    return;
  }
  RunCommand([&] { ShowList(kind, n, parent); });
}

}  // namespace zudira
