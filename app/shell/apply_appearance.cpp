#include "app/shell/apply_appearance.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionComboBox>
#include <QToolButton>
#include <QWidget>

#include "appearance/colour_value.h"
#include "widgets/duz_edit.h"
#include "widgets/duz_label.h"

namespace zudira {

namespace {

bool HasSunkenCaption(const QWidget* widget) {
  return widget->property(kSunkenShadowProperty).toBool();
}

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::ButtonText, colour);
  palette.setColor(QPalette::Text, colour);
  widget->setPalette(palette);
}

// Draws a frameless combo box flat: no edge and no bevel, only its arrow, until the pointer is
// over it or it has the focus (the look of flat combo boxes of the older desktop).
class FlatComboBoxStyle : public QProxyStyle {
 public:
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget) const override {
    const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control == CC_ComboBox && combo != nullptr && !combo->frame && !combo->editable &&
        !(option->state & (State_MouseOver | State_HasFocus | State_On))) {
      painter->fillRect(option->rect, option->palette.brush(QPalette::Button));
      QStyleOption arrow = *option;
      arrow.rect = subControlRect(CC_ComboBox, combo, SC_ComboBoxArrow, widget);
      drawPrimitive(PE_IndicatorArrowDown, &arrow, painter, widget);
      return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
  }
};

// One style serves every combo box; it lives on the application object, made on first use.
QStyle* FlatComboStyle() {
  static constexpr char kStyleName[] = "FlatComboBoxStyle";
  if (auto* style = qApp->findChild<QStyle*>(kStyleName, Qt::FindDirectChildrenOnly)) return style;
  auto* style = new FlatComboBoxStyle;
  style->setObjectName(kStyleName);
  style->setParent(qApp);
  return style;
}

// A label's font colour is its palette's window-text colour.
void SetLabelColour(QWidget* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  label->update();
}

}  // namespace

void ApplyAppearance(QWidget* container, const AppearanceSettings& settings) {
  if (container == nullptr) return;
  const QColor heading = ColourFromValue(settings.HeadingColour);
  QStyle* flat_combo_style = nullptr;
  for (QObject* child : container->children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (widget == nullptr || widget->isWindow()) continue;
    if (auto* tool = qobject_cast<QToolButton*>(widget)) {
      tool->setAutoRaise(settings.FlatToolButtons);
      if (HasSunkenCaption(tool)) SetTextColour(tool, heading);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      if (flat_combo_style == nullptr) flat_combo_style = FlatComboStyle();
      if (combo->style() != flat_combo_style) {
        combo->setAttribute(Qt::WA_Hover);
        combo->setStyle(flat_combo_style);
      }
      combo->setFrame(!settings.FlatComboBoxes);
      combo->update();
    } else if (auto* edit = qobject_cast<TDuzEdit3*>(widget)) {
      edit->SetReadOnlyOnColour(settings.ReadOnlyColour);
    } else if (auto* label2 = qobject_cast<TDuzLabel2*>(widget)) {
      SetLabelColour(label2, heading);
    } else if (auto* math = qobject_cast<TDuzMathLabel*>(widget)) {
      if (math->LabelStyle() == lsRecessed) SetLabelColour(math, heading);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      if (HasSunkenCaption(button)) SetTextColour(button, heading);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
      // Only the caption: a palette would recolour the group's own controls too.
      if (HasSunkenCaption(group)) {
        group->setStyleSheet(QString("QGroupBox::title { color: %1; }").arg(heading.name()));
      }
    }
  }
}

void ApplyAppearance(QWidget* container) {
  ApplyAppearance(container, Appearance());
}

}  // namespace zudira
