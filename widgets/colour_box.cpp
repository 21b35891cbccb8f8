#include "widgets/colour_box.h"

#include <QColorDialog>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <iterator>
#include <memory>

namespace zudira {

namespace {

struct NamedColour {
  ColourValue value;
  const char* name;
};

// The sixteen standard colours and the four extra named ones, as 0x00BBGGRR.
constexpr NamedColour kStandard[] = {
    {0x000000, "Black"}, {0x000080, "Maroon"},      {0x008000, "Green"},
    {0x008080, "Olive"}, {0x800000, "Navy"},        {0x800080, "Purple"},
    {0x808000, "Teal"},  {0x808080, "Gray"},        {0xC0C0C0, "Silver"},
    {0x0000FF, "Red"},   {0x00FF00, "Lime"},        {0x00FFFF, "Yellow"},
    {0xFF0000, "Blue"},  {0xFF00FF, "Fuchsia"},     {0xFFFF00, "Aqua"},
    {0xFFFFFF, "White"}, {0xC0DCC0, "Money Green"}, {0xF0CAA6, "Sky Blue"},
    {0xF0FBFF, "Cream"}, {0xA4A0A0, "Medium Gray"},
};

// System colour indices 0..24 and their names.
constexpr const char* kSystemNames[] = {
    "Scroll Bar",
    "Background",
    "Active Caption",
    "Inactive Caption",
    "Menu",
    "Window",
    "Window Frame",
    "Menu Text",
    "Window Text",
    "Caption Text",
    "Active Border",
    "Inactive Border",
    "Application Workspace",
    "Highlight",
    "Highlight Text",
    "Button Face",
    "Button Shadow",
    "Gray Text",
    "Button Text",
    "Inactive Caption Text",
    "Button Highlight",
    "3D Dark Shadow",
    "3D Light",
    "Info Text",
    "Info Background",
};
constexpr int kSystemCount = static_cast<int>(std::size(kSystemNames));

constexpr int kValueRole = Qt::UserRole;

QPixmap Swatch(const QColor& colour) {
  QPixmap pixmap(22, 14);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(Qt::black);
  painter.setBrush(colour);
  painter.drawRect(0, 0, 21, 13);
  return pixmap;
}

}  // namespace

ColourBox::ColourBox(QWidget* parent) : QComboBox(parent) {
  setIconSize(QSize(22, 14));
  setMaxVisibleItems(16);
  for (const NamedColour& c : kStandard) AddItem(c.value);
  insertSeparator(count());
  for (int i = 0; i < kSystemCount; ++i) AddItem(SystemColour(i));
  insertSeparator(count());
  addItem("Custom...");
  custom_index_ = count() - 1;
  Select(0x000000);
  connect(this, qOverload<int>(&QComboBox::activated), this, &ColourBox::Activated);
  connect(this, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int index) {
    const QVariant data = itemData(index, kValueRole);
    if (!data.isValid()) return;
    const ColourValue value = data.value<ColourValue>();
    if (value == current_) return;
    current_ = value;
    emit ColourChanged(value);
  });
}

QString ColourBox::NameOf(ColourValue value) {
  if (IsSystemColour(value)) {
    const int index = static_cast<int>(value & 0xFFFFFFu);
    if (index < kSystemCount) return kSystemNames[index];
    return QString("System Colour %1").arg(index);
  }
  for (const NamedColour& c : kStandard) {
    if (c.value == (value & 0xFFFFFFu)) return c.name;
  }
  return ColourFromValue(value).name();
}

void ColourBox::AddItem(ColourValue value) {
  const int at = custom_index_ < 0 ? count() : custom_index_;
  insertItem(at, QIcon(Swatch(ColourFromValue(value, palette()))), NameOf(value),
             QVariant::fromValue(value));
  if (custom_index_ >= 0) ++custom_index_;
}

int ColourBox::IndexOf(ColourValue value) const {
  for (int i = 0; i < count(); ++i) {
    const QVariant data = itemData(i, kValueRole);
    if (data.isValid() && data.value<ColourValue>() == value) return i;
  }
  return -1;
}

void ColourBox::Select(ColourValue value) {
  if (IndexOf(value) < 0) AddItem(value);
  setCurrentIndex(IndexOf(value));
}

void ColourBox::SetColour(ColourValue value) {
  Select(value);
}

void ColourBox::Activated(int index) {
  if (index == custom_index_) ChooseAnyColour();
  if (currentIndex() == custom_index_) setCurrentIndex(IndexOf(current_));
}

void ColourBox::ChooseAnyColour() {
  const QColor chosen =
      QColorDialog::getColor(ColourFromValue(current_, palette()), this, "Colour");
  // The dialog's own custom colours become choices of the box too.
  for (int i = 0; i < QColorDialog::customCount(); ++i) {
    const QColor custom = QColorDialog::customColor(i);
    if (custom.isValid() && custom != QColor(Qt::white) && IndexOf(ValueFromColour(custom)) < 0) {
      AddItem(ValueFromColour(custom));
    }
  }
  if (chosen.isValid())
    Select(ValueFromColour(chosen));
  else
    setCurrentIndex(IndexOf(current_));
}

QMenu* ColourBox::MakeContextMenu() {
  auto* menu = new QMenu(this);
  menu->addAction("Choose &Any Colour...", this, &ColourBox::ChooseAnyColour);
  QMenu* system = menu->addMenu("&System Colours");
  for (int i = 0; i < kSystemCount; ++i) {
    system->addAction(kSystemNames[i], this, [this, i] { Select(SystemColour(i)); });
  }
  return menu;
}

void ColourBox::contextMenuEvent(QContextMenuEvent* event) {
  std::unique_ptr<QMenu> menu(MakeContextMenu());
  menu->exec(event->globalPos());
}

void ColourBox::changeEvent(QEvent* event) {
  QComboBox::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) RefreshSwatches();
}

// System colours follow the desktop's palette.
void ColourBox::RefreshSwatches() {
  for (int i = 0; i < count(); ++i) {
    const QVariant data = itemData(i, kValueRole);
    if (data.isValid())
      setItemIcon(i, QIcon(Swatch(ColourFromValue(data.value<ColourValue>(), palette()))));
  }
}

}  // namespace zudira
