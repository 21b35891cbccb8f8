// The read-only viewer (TTFViewForm) of the text files shipped beside the program.
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QRect>
#include <QSize>
#include <QString>

class QPlainTextEdit;
class QPushButton;

namespace zudira {

class TBaseReport;
class TReportSystem;

// The viewer shows at most this many bytes of a file, so a huge file cannot stall the window.
inline constexpr qint64 kViewerByteLimit = 8 * 1024 * 1024;
// It shows at most this many lines, too: every line costs the view about half a kilobyte and some
// microseconds, so a file of nothing but line ends would take gigabytes and half a minute.
inline constexpr int kViewerLineCountLimit = 200000;
// Longer lines are broken into pieces of this many characters: laying out a line of
// megabytes freezes a text view.
inline constexpr int kViewerLineLimit = 4096;

// What the viewer shows for the first bytes of a file of `file_size` bytes: UTF-8 when the
// bytes are valid UTF-8, else Latin-1; control characters other than tab and line ends become
// U+FFFD; over-long lines are broken; a note ends the text when the file was cut (at the byte
// limit or the line limit).
QString ViewerText(const QByteArray& bytes, qint64 file_size);

// Placement of the view and the OK button in a client area: the button 5 pixels from the
// right and bottom edges, the view 5 pixels from the left and top, client width - 10 wide
// and client height - button height - 15 high.
struct ViewerLayout {
  QRect view;
  QRect close_button;
};
ViewerLayout LayOutViewer(QSize client, QSize button);

// A modal, resizable dialog with the read-only fixed-pitch view `TF`, `PrintBtn` and the
// default and cancel button `CloseBtn` "&OK".
class TTFViewForm : public QDialog {
  Q_OBJECT
 public:
  explicit TTFViewForm(QWidget* parent = nullptr);

  // Reads the file into TF; false when it cannot be read.
  bool LoadFile(const QString& file_name);
  QPlainTextEdit* View() const { return tf_; }

  // Prints the file through the report system, then closes the viewer however the job ended.
  void PrintBtnClick();
  // The printout's page content: every line of the file, the frame on every page.
  void rPrintTF(TBaseReport& report);
  // The report system that prints (the shared one unless set).
  void SetReportSystem(TReportSystem* system) { rep_sys_ = system; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QPlainTextEdit* tf_ = nullptr;
  QPushButton* close_btn_ = nullptr;
  QPushButton* print_btn_ = nullptr;
  TReportSystem* rep_sys_ = nullptr;
};

// Shows the file in the viewer, captioned `caption` (the file name when empty, cut to 255
// characters). A missing file gives the warning "File Not Found!" and no window. Returns true
// when the viewer was shown.
bool ViewTextFile(const QString& file_name, const QString& caption, QWidget* parent = nullptr);

}  // namespace zudira
