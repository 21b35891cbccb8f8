#include "app/dialogs/statistical_tables_window.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/help/help.h"
#include "app/help/help_contexts.h"
#include "app/help/help_document.h"
#include "app/shell/message_boxes.h"
#include "numeric/locale_provider.h"
#include "reports/windows/tests/fake_job.h"

namespace zudira {
namespace {

// The clipboard's line whose first field is `row`, split at the tabs.
QStringList ClipboardRow(const QString& row) {
  for (const QString& line : QGuiApplication::clipboard()->text().split(u'\n'))
    if (line.section(u'\t', 0, 0) == row) return line.split(u'\t');
  return {};
}

void Type(QLineEdit* edit, const QString& text) {
  edit->setText(text);
  emit edit->editingFinished();
}

// Each table chosen from the list, with one setting changed, copies its headings and the cells
// that a textbook prints (references: mpmath, see core/tests/statistical_tables_reference.py).
TEST(StatTablesWindow, EveryTableCopiesItsHeadingsAndCells) {
  StatisticalTablesWindow form({dkInverseNormal, {100, 100}, {15, 15}});
  // Shown, so that the window is also destroyed while visible: its header must not read the
  // table after the table is gone.
  form.show();
  auto* list = form.findChild<QListWidget*>("TableList");
  auto* decimals = form.findChild<QSpinBox*>("DecimalsSpin");
  auto* copy = form.findChild<QPushButton*>("CopyBtn");
  ASSERT_TRUE(list && decimals && copy);
  const struct {
    TableKind kind;
    std::function<void()> change;
    const char* first_line_start;
    const char* row;
    int column;
    const char* cell;
  } cases[] = {
      {TableKind::kStandardNormal, [] {}, "z\t.00\t.01\t.02", "-1.9", 7, "0.0250"},
      {TableKind::kStandardNormal,
       [&] { form.findChild<QComboBox*>("NormalForm")->setCurrentIndex(1); }, "z\t.00", "1.9", 7,
       "0.4750"},
      {TableKind::kStudentT, [&] { decimals->setValue(3); }, "df \\ α one tail\t0.25\t0.20", "10",
       6, "2.228"},
      {TableKind::kStudentT, [] {}, "df \\ α one tail", "∞", 5, "1.645"},
      {TableKind::kChiSquared, [] {}, "df \\ α\t0.995", "10", 7, "18.307"},
      {TableKind::kF, [&] { form.findChild<QComboBox*>("FAlpha")->setCurrentIndex(3); },
       "df2 \\ df1\t1\t2", "10", 5, "5.636"},
      {TableKind::kBinomial,
       [&] {
         decimals->setValue(4);
         form.findChild<QSpinBox*>("BinomialN")->setValue(5);
         form.findChild<QComboBox*>("BinomialCells")->setCurrentIndex(1);
       },
       "k \\ p\t0.05", "2", 10, "0.5000"},
      {TableKind::kPoisson, [&] { Type(form.findChild<QLineEdit*>("PoissonLambda"), "2; 3"); },
       "k \\ λ\t2\t3", "0", 2, "0.0498"},
      {TableKind::kCurrent,
       [&] {
         Type(form.findChild<QLineEdit*>("StartED"), "85");
         Type(form.findChild<QLineEdit*>("StepED"), "15");
         Type(form.findChild<QLineEdit*>("CountED"), "3");
       },
       "x\tf(x)\tP(X ≤ x)\tP(X > x)", "115", 3, "0.1587"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    list->setCurrentRow(static_cast<int>(c.kind));
    c.change();
    QTest::mouseClick(copy, Qt::LeftButton);
    const QString text = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(text.startsWith(QString::fromUtf8(c.first_line_start)))
        << text.left(80).toStdString();
    EXPECT_EQ(ClipboardRow(QString::fromUtf8(c.row)).value(c.column), QString::fromUtf8(c.cell));
  }
  EXPECT_EQ(form.Table().title, "Normal Distribution (μ = 100, σ = 15)");
}

// A typed value outside its range, or no number, gets a message naming it, and the table shown
// stays as it was.
TEST(StatTablesWindow, BadTypedValuesAreNamedAndKeepTheTable) {
  StatisticalTablesWindow form({dkNormal, {0, 0}, {1, 1}});
  auto* list = form.findChild<QListWidget*>("TableList");
  const struct {
    TableKind kind;
    const char* field;
    const char* typed;
    const char* named;
  } cases[] = {
      {TableKind::kBinomial, "BinomialP", "0.5; 1.5", "p = 1.5 is outside 0 to 1"},
      {TableKind::kBinomial, "BinomialP", "0.5 abc", "'abc' is not a number"},
      {TableKind::kPoisson, "PoissonLambda", "2; -1", "λ = -1 is outside"},
      {TableKind::kPoisson, "PoissonLambda", "1e7", "λ = 10000000 needs more than 10000 rows"},
      {TableKind::kCurrent, "CountED", "20000", "count = 20000 is outside 1 to 10000"},
      {TableKind::kCurrent, "StepED", "0", "step = 0 must be greater than 0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    list->setCurrentRow(static_cast<int>(c.kind));
    const std::string before = form.Table().title + std::to_string(form.Table().cells.size());
    const std::vector<Real> cells = form.Table().cells;
    ScopedBoxScript boxes;
    auto* edit = form.findChild<QLineEdit*>(c.field);
    const QString kept = edit->text();
    Type(edit, QString::fromLatin1(c.typed));
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_TRUE(boxes.Shown()[0].text.contains(QString::fromUtf8(c.named)))
        << boxes.Shown()[0].text.toStdString();
    EXPECT_EQ(form.Table().cells.size(), cells.size());
    EXPECT_TRUE(std::equal(cells.begin(), cells.end(), form.Table().cells.begin(),
                           [](Real a, Real b) { return a == b || (a != a && b != b); }));
    Type(edit, kept);
  }
}

// Copy follows the locale's decimal comma; the CSV file always has "." and commas between
// fields. A path that cannot be written is named in the error, and no file is left.
TEST(StatTablesWindow, CsvHasPointsAndAnUnwritablePathIsNamed) {
  LocaleSettings german;
  german.decimal_separator = ',';
  german.thousand_separator = '.';
  SetLocaleProvider(std::make_shared<FixedLocaleProvider>(german));
  StatisticalTablesWindow form({dkNormal, {0, 0}, {1, 1}});
  form.findChild<QListWidget*>("TableList")->setCurrentRow(static_cast<int>(TableKind::kStudentT));
  QTest::mouseClick(form.findChild<QPushButton*>("CopyBtn"), Qt::LeftButton);
  EXPECT_EQ(ClipboardRow("1").value(1), "1,0000");
  EXPECT_EQ(ClipboardRow("α two tails").value(1), "0,50");

  QTemporaryDir dir;
  const QString path = dir.filePath("t.csv");
  ASSERT_TRUE(form.SaveCsvTo(path));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
  EXPECT_TRUE(lines[0].startsWith("df \\ α one tail,0.25,0.20,0.15")) << lines[0].toStdString();
  EXPECT_TRUE(lines[2].startsWith("1,1.0000,1.3764,1.9626")) << lines[2].toStdString();
  SetLocaleProvider(nullptr);

  ScopedBoxScript boxes;
  const QString bad = dir.filePath("missing/folder/t.csv");
  EXPECT_FALSE(form.SaveCsvTo(bad));
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_TRUE(boxes.Shown()[0].text.contains(bad));
  EXPECT_FALSE(QFile::exists(bad));
  SaveShot(form, "statistical-tables");
}

TEST(StatTablesWindow, ShippedHelpHasTheWindowAndEveryTable) {
  HelpDocument doc;
  QString error;
  ASSERT_TRUE(
      LoadHelpFile(QCoreApplication::applicationDirPath() + "/" + kHelpFileName, doc, error))
      << error.toStdString();
  ASSERT_NE(doc.Find(kHelpStatTables), nullptr);
  for (int context : kHelpTableTopics) {
    const HelpTopic* topic = doc.Find(context);
    ASSERT_NE(topic, nullptr) << context;
    EXPECT_GT(topic->html.size(), 150u) << context;
  }
}

}  // namespace
}  // namespace zudira
