#include "app/dialogs/about_box.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextDocument>
#include <QTextOption>
#include <limits>
#include "app/help/help.h"
#include "app/help/help_contexts.h"

#include "app/shell/launch_url.h"
#include "app/shell/message_boxes.h"
#include "app/shell/platform_info.h"
#include "app/shell/program_info.h"
#include "appearance/appearance_settings.h"
#include "numeric/conversions.h"
#include "version_info.h"
#include "widgets/duz_label.h"
#include "widgets/latin1_text.h"
#include "widgets/range_pictures.h"
#include "widgets/window_placement.h"

namespace zudira {

namespace {

constexpr int kClientWidth = 325;
constexpr int kClientHeight = 369;

const char* const kTotalMemoryLabel = "Physical Memory Total: \t";
const char* const kFreeMemoryLabel = "Physical Memory Free: \t";
const char* const kFreeResourcesLabel = "Free Resources: \t\t";
const char* const kProcessorLabel = "Processor Type: \t\t";
const char* const kSystemLabel = "Operating System: \t";
const char* const kCompanyLabel = "Registered Company: \t";
const char* const kOwnerLabel = "Registered Owner: \t\t";

// IntToGroupedStr takes 32 bits; memory beyond 2 TB in KB is grouped in two parts, the low
// three digits written with the separator the locale puts between groups.
QString GroupedKB(std::int64_t kb) {
  constexpr std::int64_t kMax32 = std::numeric_limits<std::int32_t>::max();
  if (kb >= 0 && kb <= kMax32) return Latin1(IntToGroupedStr(static_cast<std::int32_t>(kb)));
  if (kb < 0) return QString::number(kb);
  const std::string thousand = IntToGroupedStr(1000);  // "1" separator "000"
  const std::string separator = thousand.substr(1, thousand.size() - 4);
  return GroupedKB(kb / 1000) + Latin1(separator) +
         QStringLiteral("%1").arg(kb % 1000, 3, 10, QLatin1Char('0'));
}

// The range picture squeezed to a square of `side` logical pixels, drawn for `ratio`.
QPixmap SquarePicture(int side, qreal ratio) {
  QImage image = DrawFamilyPicture(rfInside, ratio)
                     .scaled(qRound(side * ratio), qRound(side * ratio), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
  image.setDevicePixelRatio(ratio);
  return QPixmap::fromImage(image);
}

QPixmap ProgramIconPixmap(qreal ratio) {
  const QIcon icon = QApplication::windowIcon();
  if (!icon.isNull()) return icon.pixmap(QSize(55, 55), ratio);
  return SquarePicture(55, ratio);
}

QPlainTextEdit* ReadOnlyMemo(const QString& name, QWidget* parent) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(name);
  memo->setReadOnly(true);
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  QPalette palette = memo->palette();
  palette.setColor(QPalette::Base, ColourFromValue(Appearance().ReadOnlyColour));
  memo->setPalette(palette);
  return memo;
}

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

// Two tab stops: the two-tab labels end before the first, the one-tab labels before the
// second, so every value starts at the second stop. Set after the text: loading it resets the
// document's options.
void SetSystemInfoTabs(QPlainTextEdit* stats) {
  const QFontMetrics metrics(stats->font());
  auto widest = [&](std::initializer_list<const char*> labels) {
    int width = 0;
    for (const char* label : labels)
      width = std::max(width, metrics.horizontalAdvance(QString::fromLatin1(label).trimmed()));
    return width + metrics.horizontalAdvance(QLatin1Char(' '));
  };
  const int first_stop = widest({kFreeResourcesLabel, kProcessorLabel, kOwnerLabel});
  const int second_stop = std::max(
      widest({kTotalMemoryLabel, kFreeMemoryLabel, kSystemLabel, kCompanyLabel}), first_stop + 1);
  QTextOption option = stats->document()->defaultTextOption();
  option.setTabs({QTextOption::Tab(first_stop, QTextOption::LeftTab),
                  QTextOption::Tab(second_stop, QTextOption::LeftTab)});
  stats->document()->setDefaultTextOption(option);
}

}  // namespace

QString MemoryText(std::optional<std::int64_t> kb) {
  if (!kb) return QString::fromLatin1(kUnknownFact);
  return GroupedKB(*kb) + QStringLiteral(" KB");
}

SystemFacts GatherSystemFacts() {
  SystemFacts facts;
  const PhysicalMemory memory = ReadPhysicalMemory();
  facts.total_memory_kb = memory.total_kb;
  facts.free_memory_kb = memory.available_kb;
  facts.processor = CpuModelName();
  facts.operating_system = OperatingSystemText();
  facts.company = RegisteredCompany();
  facts.owner = WindowsOwner();
  return facts;
}

QStringList SystemInfoLines(const SystemFacts& facts) {
  QStringList lines;
  lines << QLatin1String(kTotalMemoryLabel) + MemoryText(facts.total_memory_kb)
        << QLatin1String(kFreeMemoryLabel) + MemoryText(facts.free_memory_kb);
  if (facts.free_resources_percent)
    lines << QLatin1String(kFreeResourcesLabel) + QString::number(*facts.free_resources_percent) +
                 QLatin1Char('%');
  lines << QLatin1String(kProcessorLabel) + facts.processor
        << QLatin1String(kSystemLabel) + facts.operating_system
        << QLatin1String(kCompanyLabel) + facts.company << QLatin1String(kOwnerLabel) + facts.owner;
  return lines;
}

bool LaunchMakerEmail() {
  return LaunchUrl(static_cast<int>(UrlKind::ukMailTo), QString::fromUtf8(version::kMakerEmail));
}

bool LaunchMakerWeb() {
  const QString web = QString::fromUtf8(version::kMakerWeb);
  // The http kind would put "http://" before a configured https address.
  const bool secure = web.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
  return LaunchUrl(static_cast<int>(secure ? UrlKind::ukHttps : UrlKind::ukHttp), web);
}

TAboutBox2::TAboutBox2(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox2"));
  InstallContextHelpKey(this, kHelpAboutBox);
  setWindowTitle(QStringLiteral("Duz About Box"));
  setFixedSize(kClientWidth, kClientHeight);
  // A minimise button, so the window can take the program down with it.
  setWindowFlag(Qt::WindowMinimizeButtonHint, true);

  CreateProductName();
  CreateIdentity();
  CreateComments();
  CreateSystemInfo();
  CreateButtons();

  CentreOnScreen(this);
}

void TAboutBox2::CreateProductName() {
  auto* product_name = new TDuzLabel2(QString::fromUtf8(version::kProductName), this);
  product_name->setObjectName(QStringLiteral("ProductName"));
  product_name->SetLabelStyle(lsRecessed);
  product_name->setAlignment(Qt::AlignCenter);
  QFont heading_font = product_name->font();
  heading_font.setPointSize(20);
  heading_font.setBold(true);
  product_name->setFont(heading_font);
  QPalette heading_palette = product_name->palette();
  heading_palette.setColor(QPalette::WindowText, ColourFromValue(Appearance().HeadingColour));
  product_name->setPalette(heading_palette);
  product_name->setGeometry(8, 6, kClientWidth - 16, 40);
}

// The program's icon beside its version and copyright.
void TAboutBox2::CreateIdentity() {
  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("ProgramIcon"));
  icon->setScaledContents(true);
  // Drawn for the screen's pixel ratio, so a scaled desktop shows them sharp.
  icon->setPixmap(ProgramIconPixmap(devicePixelRatioF()));
  icon->setGeometry(10, 52, 55, 55);

  auto* version = new QLabel(QStringLiteral("Version: ") + VersionText(), this);
  version->setObjectName(QStringLiteral("Version"));
  version->setGeometry(76, 54, kClientWidth - 86, 18);

  auto* notice = new QLabel(QString::fromUtf8(version::kLegalCopyright), this);
  notice->setObjectName(QStringLiteral("Copyright"));
  notice->setWordWrap(true);
  notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  notice->setGeometry(76, 74, kClientWidth - 86, 34);
}

void TAboutBox2::CreateComments() {
  auto* comments = ReadOnlyMemo(QStringLiteral("Comments"), this);
  comments->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  comments->setPlainText(QString::fromUtf8(version::kComments));
  comments->setAccessibleName(QStringLiteral("Comments"));
  comments->setGeometry(10, 114, kClientWidth - 20 - 94 - 6, 94);

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("Picture"));
  picture->setPixmap(SquarePicture(94, devicePixelRatioF()));
  picture->setGeometry(kClientWidth - 10 - 94, 114, 94, 94);
}

void TAboutBox2::CreateSystemInfo() {
  auto* stats = ReadOnlyMemo(QStringLiteral("Stats"), this);
  stats->setAccessibleName(QStringLiteral("System information"));
  // The operating system's name and kernel make a long line: wrap it rather than hide its end.
  stats->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  const QStringList lines = SystemInfoLines(GatherSystemFacts());
  stats->setPlainText(lines.join(QLatin1Char('\n')));
  SetSystemInfoTabs(stats);
  stats->setGeometry(10, 214, kClientWidth - 20, 112);
}

void TAboutBox2::CreateButtons() {
  auto* email_button = Button(QStringLiteral("EmailBtn"), QStringLiteral("&EMail Duz"), this);
  auto* web_button = Button(QStringLiteral("WebBtn"), QStringLiteral("Duz &Web Site"), this);
  ok_button_ = Button(QStringLiteral("OKButton"), QStringLiteral("OK"), this);
  ok_button_->setDefault(true);
  const int button_top = kClientHeight - 8 - 27;
  email_button->setGeometry(10, button_top, 95, 27);
  web_button->setGeometry(115, button_top, 95, 27);
  ok_button_->setGeometry(kClientWidth - 10 - 95, button_top, 95, 27);

  connect(email_button, &QPushButton::clicked, this, &TAboutBox2::EmailBtnClick);
  connect(web_button, &QPushButton::clicked, this, &TAboutBox2::WebBtnClick);
  connect(ok_button_, &QPushButton::clicked, this, &QDialog::accept);
  // Alt+X presses OK wherever the focus is in the box.
  auto* alt_x = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_X), this);
  connect(alt_x, &QShortcut::activated, ok_button_, &QPushButton::click);
}

void TAboutBox2::EmailBtnClick() {
  if (!LaunchMakerEmail()) WarningMsg(QStringLiteral("Default Mailer not found"));
}

void TAboutBox2::WebBtnClick() {
  if (!LaunchMakerWeb()) WarningMsg(QStringLiteral("Default Browser not found"));
}

void TAboutBox2::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  MinimiseProgramWith(this, event);
}

bool ShowAboutBox(QWidget* parent) {
  TAboutBox2 box(parent);
  return box.exec() == QDialog::Accepted;
}

}  // namespace zudira
