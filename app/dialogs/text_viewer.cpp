#include "app/dialogs/text_viewer.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocument>

#include "app/help/help.h"
#include "app/help/help_contexts.h"
#include "app/shell/data_modules.h"
#include "app/shell/error_report.h"
#include "app/shell/message_boxes.h"
#include "reports/content_reports.h"
#include "reports/report_system.h"
#include "stats/exception.h"
#include "widgets/window_placement.h"

namespace zudira {

namespace {

constexpr int kMargin = 5;
constexpr int kCaptionLimit = 255;

// "Fixedsys" when the desktop has it, else the desktop's fixed-pitch face; a missing family
// would otherwise be matched to a proportional one.
QFont ViewerFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (QFontDatabase::hasFamily(QStringLiteral("Fixedsys")))
    font.setFamily(QStringLiteral("Fixedsys"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSize(10);
  return font;
}

// The text view starts a new paragraph at the paragraph separator too, so it counts as a line
// end like the other two.
bool IsLineEnd(char16_t c) {
  return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator;
}

}  // namespace

QString ViewerText(const QByteArray& bytes, qint64 file_size) {
  QStringDecoder utf8(QStringConverter::Utf8);
  QString decoded = utf8.decode(bytes);
  // Not UTF-8: every byte is a character in Latin-1, so nothing of the file is lost to
  // replacement marks.
  const bool latin1 = utf8.hasError();
  if (latin1) decoded = QString::fromLatin1(bytes);

  QString text;
  text.reserve(decoded.size() + decoded.size() / kViewerLineLimit + 64);
  int column = 0;
  int lines = 0;
  const qsizetype count = decoded.size();
  qsizetype shown = count;
  for (qsizetype i = 0; i < count; ++i) {
    if (lines == kViewerLineCountLimit) {
      shown = i;
      break;
    }
    const char16_t c = decoded.at(i).unicode();
    if (IsLineEnd(c)) {
      if (c == u'\r' && i + 1 < count && decoded.at(i + 1) == u'\n') ++i;
      text += u'\n';
      ++lines;
      column = 0;
      continue;
    }
    // The second half of a surrogate pair stays with the first, so no character is split.
    if (column >= kViewerLineLimit && !QChar::isLowSurrogate(c)) {
      text += u'\n';
      column = 0;
      if (++lines == kViewerLineCountLimit) {
        shown = i;
        break;
      }
    }
    // Control characters (NUL of binary files above all) would be drawn as nothing or
    // confuse the text layout; the replacement mark shows that something is there.
    text += (c < 0x20 && c != u'\t') || c == 0x7f ? QChar(QChar::ReplacementCharacter) : QChar(c);
    ++column;
  }
  qint64 shown_bytes = bytes.size();
  if (shown < count) {
    const bool bom = !latin1 && bytes.startsWith("\xEF\xBB\xBF");
    shown_bytes = latin1 ? shown : decoded.left(shown).toUtf8().size() + (bom ? 3 : 0);
  }
  if (file_size > shown_bytes) {
    if (!text.isEmpty() && !text.endsWith(u'\n')) text += u'\n';
    text += QStringLiteral("\n(Only the first %1 KB of %2 KB are shown.)")
                .arg(shown_bytes / 1024)
                .arg(file_size / 1024);
  }
  return text;
}

ViewerLayout LayOutViewer(QSize client, QSize button) {
  ViewerLayout layout;
  layout.close_button = QRect(QPoint(client.width() - kMargin - button.width(),
                                     client.height() - kMargin - button.height()),
                              button);
  layout.view = QRect(kMargin, kMargin, client.width() - 2 * kMargin,
                      client.height() - button.height() - 3 * kMargin);
  return layout;
}

TTFViewForm::TTFViewForm(QWidget* parent) : QDialog(parent), rep_sys_(SharedReportSystem()) {
  setObjectName(QStringLiteral("TFViewForm"));
  InstallContextHelpKey(this, kHelpTextViewer);
  setSizeGripEnabled(true);

  tf_ = new QPlainTextEdit(this);
  tf_->setObjectName(QStringLiteral("TF"));
  tf_->setReadOnly(true);
  // Keyboard selection keeps a caret in the read-only view.
  tf_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  tf_->setLineWrapMode(QPlainTextEdit::NoWrap);
  tf_->setUndoRedoEnabled(false);
  tf_->setFont(ViewerFont());

  print_btn_ = new QPushButton(QStringLiteral("Print"), this);
  print_btn_->setObjectName(QStringLiteral("PrintBtn"));
  print_btn_->setToolTip(QStringLiteral("Print Text File"));
  print_btn_->setAutoDefault(false);
  print_btn_->setFixedSize(75, 27);
  close_btn_ = new QPushButton(QStringLiteral("&OK"), this);
  close_btn_->setObjectName(QStringLiteral("CloseBtn"));
  close_btn_->setDefault(true);
  close_btn_->setFixedSize(75, 27);

  connect(close_btn_, &QPushButton::clicked, this, &QDialog::accept);
  connect(print_btn_, &QPushButton::clicked, this, &TTFViewForm::PrintBtnClick);

  setMinimumSize(2 * 75 + 4 * kMargin, 120);
  resize(639, 458);
  CentreOnScreen(this);
}

bool TTFViewForm::LoadFile(const QString& file_name) {
  QFile file(file_name);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const qint64 size = file.size();
  const QByteArray bytes = file.read(kViewerByteLimit);
  tf_->setPlainText(ViewerText(bytes, std::max<qint64>(size, bytes.size())));
  print_btn_->setVisible(true);
  return true;
}

void TTFViewForm::PrintBtnClick() {
  RunCommand([this] {
    if (rep_sys_ == nullptr) throw Exception("The report system is not running.");
    rep_sys_->RunReport(
        windowTitle(), [this](TBaseReport& report) { rPrintTF(report); }, this);
  });
  accept();
}

void TTFViewForm::rPrintTF(TBaseReport& report) {
  QStringList lines;
  const QTextDocument* document = tf_->document();
  // An empty file prints its frame alone.
  if (!document->isEmpty()) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
      lines.push_back(block.text());
  }
  PrintTextReport(*rep_sys_, report, windowTitle(), lines);
}

void TTFViewForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  const ViewerLayout layout = LayOutViewer(event->size(), close_btn_->size());
  tf_->setGeometry(layout.view);
  close_btn_->setGeometry(layout.close_button);
  // The print button sits left of OK on the same line.
  print_btn_->move(layout.close_button.left() - kMargin - print_btn_->width(),
                   layout.close_button.top());
}

bool ViewTextFile(const QString& file_name, const QString& caption, QWidget* parent) {
  if (!QFileInfo(file_name).isFile()) {
    WarningMsg(QStringLiteral("File Not Found!"));
    return false;
  }
  TTFViewForm form(parent);
  form.setWindowTitle((caption.isEmpty() ? file_name : caption).left(kCaptionLimit));
  if (!form.LoadFile(file_name)) {
    ErrorMsg(QStringLiteral("The file %1 cannot be read.").arg(file_name));
    return false;
  }
  form.exec();
  return true;
}

}  // namespace zudira
