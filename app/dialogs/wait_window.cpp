#include "app/dialogs/wait_window.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QVBoxLayout>

#include "appearance/appearance_settings.h"
#include "widgets/window_placement.h"

namespace zudira {

TDuzWaitForm::TDuzWaitForm(QWidget* parent) : QWidget(parent, Qt::Dialog) {
  setObjectName(QStringLiteral("DuzWaitForm"));
  setWindowTitle(QStringLiteral("Working...."));
  setAttribute(Qt::WA_ShowWithoutActivating);

  heading_ = new QLabel(QStringLiteral(" Please Wait! "), this);
  heading_->setObjectName(QStringLiteral("Heading"));
  heading_->setAlignment(Qt::AlignCenter);
  QFont font = heading_->font();
  font.setPointSize(16);
  font.setBold(true);
  heading_->setFont(font);
  QPalette palette = heading_->palette();
  palette.setColor(QPalette::WindowText, ColourFromValue(Appearance().HeadingColour));
  heading_->setPalette(palette);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 18, 24, 18);
  layout->addWidget(heading_);
  setFixedSize(sizeHint().expandedTo(QSize(220, 80)));

  CentreOnScreen(this);
}

WaitWindowScope::WaitWindowScope(QWidget* parent) : form_(new TDuzWaitForm(parent)) {
  form_->show();
  // One pass of the event loop so the window is drawn before the work blocks the thread.
  QApplication::processEvents();
}

WaitWindowScope::~WaitWindowScope() {
  form_->close();
  delete form_;
}

}  // namespace zudira
