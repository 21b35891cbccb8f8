// The plot window as a user meets it: opened from the main window, following Calculate and
// the changes of kind and range, exporting its picture, keeping its place.
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QToolButton>

#include "app/plot/plot_painting.h"
#include "app/plot/plot_window.h"
#include "app/shell/message_boxes.h"
#include "main_window_fixture.h"

namespace zudira {
namespace {

class PlotWindowTest : public MainWindowTest {
 protected:
  static PlotWindow* OpenPlot(TPDFMainForm& w) {
    QTest::mouseClick(Get<QToolButton>(w, "PlotBtn"), Qt::LeftButton);
    PlotWindow* plot = w.PlotForm();
    EXPECT_NE(plot, nullptr);
    return plot;
  }
  // Writes what the window shows when ZUDIRA_PLOT_GRABS names a folder, to be looked at.
  static void Grab(PlotWindow* plot, const char* name) {
    const QByteArray folder = qgetenv("ZUDIRA_PLOT_GRABS");
    if (folder.isEmpty()) return;
    const QString base = QString::fromLocal8Bit(folder) + "/" + name;
    plot->grab().save(base + ".png");
    for (const char* ending : {"_export.png", "_export.svg"})
      EXPECT_EQ(SavePlotImage(base + ending, plot->View(), plot->ImageSize(), QLocale::system()),
                "");
  }
};

struct PlotCase {
  const char* grab;
  DistributionKind kind;
  RangeType range;
  const char *first, *second, *a, *b;
  bool fix_b;
  const char* caption;
  int marks;  // marks shown
  bool discrete;
};

const PlotCase kCases[] = {
    {"normal_inside", dkNormal, rtInsideCC, "0", "1", "-1", "1.5", false,
     "Normal (μ = 0, σ = 1): P(-1 ≤ X ≤ 1.5) = 0.7745375", 2, false},
    {"binomial_20", dkBinomial, rtAtMostA, "0.3", "20", "7", nullptr, false,
     "Binomial (n = 20, p = 0.3): P(X ≤ 7) = 0.7722718", 1, true},
    {"poisson_1000", dkPoisson, rtAboveA, "1000", nullptr, "1030", nullptr, false,
     "Poisson (λ = 1000): P(X > 1030) = 0.1672980", 1, true},
    {"chi_3", dkChiSquared, rtAboveA, "3", nullptr, "7.8", nullptr, false,
     "Chi-Squared (df = 3): P(X > 7.8) = 0.0503311", 1, false},
    {"inverse_f", dkInverseF, rtInsideOO, "5", "10", "0.5", "2", true, "", 2, false},
};

TEST_F(PlotWindowTest, FollowsEveryCalculateAndChange) {
  ScopedBoxScript boxes;
  auto w = MakeWindow();
  PlotWindow* plot = OpenPlot(*w);
  ASSERT_NE(plot, nullptr);
  EXPECT_TRUE(plot->isVisible());
  EXPECT_FALSE(plot->isModal());
  EXPECT_EQ(plot->windowTitle(), "Distribution Plot");
  EXPECT_EQ(plot->View().message, kPlotClearedText);

  for (const PlotCase& c : kCases) {
    SCOPED_TRACE(c.grab);
    ChooseKind(*w, c.kind);
    ChooseRange(*w, c.range);
    if (c.fix_b) Get<QRadioButton>(*w, "FixB")->click();
    Type(*w, "Mean", c.first);
    if (c.second != nullptr) Type(*w, "SDev", c.second);
    Type(*w, "A", c.a);
    if (c.b != nullptr) Type(*w, "B", c.b);
    // A change since the last Calculate leaves no answer current.
    EXPECT_EQ(plot->View().message, kPlotClearedText);
    Grab(plot, (std::string(c.grab) + "_cleared").c_str());
    Calculate(*w);
    const PlotView& view = plot->View();
    ASSERT_TRUE(view.model.has_value());
    EXPECT_TRUE(view.message.isEmpty()) << view.message.toStdString();
    EXPECT_EQ(view.model->discrete, c.discrete);
    int shown = 0;
    for (const PlotMark& mark : view.model->marks) shown += mark.shown ? 1 : 0;
    EXPECT_EQ(shown, c.marks);
    Grab(plot, c.grab);
    if (std::string_view(c.grab) == "inverse_f") {
      // The solved bound stands at the answer, the fixed one at B's value.
      EXPECT_NEAR(static_cast<double>(view.model->marks[0].x), Field(*w, "Answer")->AsFloat(),
                  1e-12);
      EXPECT_NEAR(static_cast<double>(view.model->marks[1].x), 2.0, 1e-12);
      EXPECT_TRUE(
          view.caption.startsWith("Inverse F (df1 = 5, df2 = 10): P(A < X < 2) = 0.5, A = "));
    } else {
      EXPECT_EQ(view.caption, QString::fromUtf8(c.caption));
    }
  }
  // A failed Calculate says so instead of drawing.
  ChooseKind(*w, dkBinomial);
  Type(*w, "Mean", "2");
  Calculate(*w);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, "p must be in [0, 1]");
  EXPECT_FALSE(plot->View().model.has_value());
  EXPECT_EQ(plot->View().message, kPlotFailedText);
  Grab(plot, "failed");
}

TEST_F(PlotWindowTest, CopyCalculationPutsWordsRAndFormulaOnTheClipboard) {
  ScopedBoxScript boxes;
  auto w = MakeWindow();
  UseMode(*w, CalculationMode::kClassic);
  ChooseRange(*w, rtBelowA);
  Type(*w, "SDev", "1");
  Type(*w, "A", "1.96");
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(w.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  // The command calculates first, as Print does; the words take the answer as shown (the
  // classic algorithms give 0.9750022 here).
  EXPECT_EQ(Field(*w, "Answer")->Text(), "0.9750022");
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QString::fromUtf8("Normal (μ = 0, σ = 1): P(X < 1.96) = 0.9750022\n"
                              "pnorm(1.96, mean = 0, sd = 1)\n"
                              "=NORM.DIST(1.96;0;1;1)"));
}

TEST_F(PlotWindowTest, SavesPngAndSvgWholeOrNotAtAll) {
  PlotSubject subject;
  subject.status = PlotStatus::kAnswered;
  subject.request = {dkNormal, rtBelowA, feFixA, {0, 0}, {1, 1}, {1.96L, 2}, {}};
  subject.answer = 0.9750021L;
  subject.answer_text = "0.9750021";
  const PlotView view = PlotViewOf(subject);
  ASSERT_TRUE(view.model.has_value());
  QTemporaryDir dir;
  const QSize size(800, 500);
  const QString png = dir.filePath("plot.png");
  const QString svg = dir.filePath("plot.svg");
  EXPECT_EQ(SavePlotImage(png, view, size, QLocale::c()), QString());
  EXPECT_EQ(QImage(png).size(), size);
  EXPECT_EQ(SavePlotImage(svg, view, size, QLocale::c()), QString());
  QFile file(svg);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  EXPECT_TRUE(text.contains("<svg")) << text.left(200).toStdString();
  EXPECT_TRUE(text.contains("1.96")) << "the mark's value is drawn as text";

  const QString missing = dir.filePath("no folder/plot.png");
  const QString failure = SavePlotImage(missing, view, size, QLocale::c());
  EXPECT_TRUE(failure.contains(QDir::toNativeSeparators(missing))) << failure.toStdString();
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file left";
}

// The labels of A and B read as the fields do, at the window's decimals, not in a form of
// their own ("A = -1e-07", "A = 11.07049847").
TEST_F(PlotWindowTest, MarksShowTheWindowsDecimals) {
  const struct {
    DistributionKind kind;
    Real a;
    Real answer;
    int decimals;
    const char* label;
  } cases[] = {
      {dkInverseNormal, 0.975L, 1.959963984540054L, 10, "A = 1.9599639845"},
      {dkInverseNormal, 0.975L, 1.959963984540054L, 7, "A = 1.9599640"},
      {dkNormal, -1e-7L, 0.49999996L, 7, "A = -0.0000001"},
  };
  QTemporaryDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    PlotSubject subject;
    subject.status = PlotStatus::kAnswered;
    subject.request = {c.kind, rtBelowA, feFixA, {0, 0}, {1, 1}, {c.a, 0}, {}};
    subject.answer = c.answer;
    subject.decimals = c.decimals;
    const QString svg = dir.filePath("marks.svg");
    ASSERT_EQ(SavePlotImage(svg, PlotViewOf(subject), QSize(800, 500), QLocale::c()), QString());
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains(c.label));
  }
}

TEST_F(PlotWindowTest, KeepsItsPlaceAndSize) {
  QRect placed;
  {
    auto w = MakeWindow();
    PlotWindow* plot = OpenPlot(*w);
    ASSERT_NE(plot, nullptr);
    plot->setGeometry(QRect(130, 140, 700, 480));
    placed = plot->geometry();
    plot->close();
  }
  auto w = MakeWindow();
  PlotWindow* plot = OpenPlot(*w);
  ASSERT_NE(plot, nullptr);
  EXPECT_EQ(plot->geometry().size(), placed.size());
  EXPECT_EQ(plot->geometry().topLeft(), placed.topLeft());
}

}  // namespace
}  // namespace zudira
