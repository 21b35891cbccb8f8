// The names screen readers read for the main window's controls: a caption's own text, or for
// a field the caption beside it, which changes with the kind and the range.
#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>

#include "app/main_window/main_window.h"
#include "app/main_window/qstring_text.h"
#include "core/catalogue.h"
#include "widgets/accessible_caption.h"
#include "widgets/duz_edit.h"
#include "widgets/duz_label.h"

namespace zudira {

void TPDFMainForm::UpdateAccessibleNames() {
  auto caption_of = [](const TDuzLabel* shown, const TDuzLabel* other) {
    return AccessibleCaption((shown->isVisibleTo(shown->parentWidget()) ? shown : other)->text());
  };
  const QString field_names[] = {
      caption_of(mean_label_, p_label_), caption_of(sigma_label_, n_label_),
      AccessibleCaption(third_label_->text()), AccessibleCaption(label_a_->text()),
      AccessibleCaption(label_b_->text())};
  const auto fields = InputFields();
  for (size_t i = 0; i < std::size(fields); ++i) {
    fields[i]->setAccessibleName(field_names[i]);
    calc_buttons_[i]->setAccessibleName("Calculator for " + field_names[i]);
  }
  answer_->setAccessibleName(AccessibleCaption(result_label_->text()));
}

void TPDFMainForm::NameControls() {
  pdf_type_->setAccessibleName("Choose Distribution");
  accuracy_->setAccessibleName("Decimal Places");
  image_->setAccessibleName("Picture of the range");
  calc_btn_->setAccessibleName(AccessibleCaption(calc_btn_->text()));
  for (int r = 0; r < kRangeTypeCount; ++r)
    range_buttons_->button(r)->setAccessibleName(
        AccessibleCaption(Text(RangeCaption(static_cast<RangeType>(r)))));
  // The toolbar's buttons show only a glyph: they are named by their hint.
  for (QAction* action : command_toolbar_->actions()) {
    QWidget* button = command_toolbar_->widgetForAction(action);
    if (button != nullptr && !action->isSeparator()) button->setAccessibleName(action->toolTip());
  }
  UpdateAccessibleNames();
}

}  // namespace zudira
