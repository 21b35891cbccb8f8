// A print job of N blank pages for the report windows' tests: it records what the windows
// ask of it.
#pragma once

#include <QPainter>
#include <QWidget>
#include <vector>

#include "reports/report_job.h"
#include "stats/exception.h"

namespace zudira {

// Writes a grab of the window to ZUDIRA_SHOT_DIR/<name>.png when that variable is set.
inline void SaveShot(QWidget& window, const char* name) {
  const QByteArray dir = qgetenv("ZUDIRA_SHOT_DIR");
  if (!dir.isEmpty()) window.grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
}

class FakePreviewJob : public PreviewJob {
 public:
  explicit FakePreviewJob(int pages, QSizeF inches = QSizeF(8.5, 11))
      : pages_(pages), inches_(inches) {}

  int PageCount() const override { return pages_; }
  QSizeF PageSizeInches() const override { return inches_; }
  // Draws the page number and a frame half an inch in, so grabs show where the page is.
  void RenderPage(QPainter& painter, int page_index, const QRectF& target) const override {
    rendered.push_back(page_index);
    const double inch = target.width() / inches_.width();
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(target.adjusted(inch / 2, inch / 2, -inch / 2, -inch / 2));
    QFont font("Arial");
    font.setPixelSize(std::max(1, static_cast<int>(inch / 3)));
    painter.setFont(font);
    painter.drawText(target, Qt::AlignCenter, QStringLiteral("Page %1").arg(page_index + 1));
  }
  void PrintNow() override { ++printed; }
  void PrinterOptionsThenPrint() override { ++options_printed; }
  void SavePdf(const QString& path) override {
    saved_to.push_back(path);
    if (path.startsWith("/nonexistent"))
      throw Exception(("Cannot write the PDF file " + path).toStdString());
  }

  mutable std::vector<int> rendered;
  int printed = 0;
  int options_printed = 0;
  std::vector<QString> saved_to;

 private:
  int pages_;
  QSizeF inches_;
};

}  // namespace zudira
