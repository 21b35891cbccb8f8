// The colour box: a drop-down list of the standard colours, the desktop's system colours and
// custom colours, holding one 32-bit colour value. "Custom..." at the end of the list, and
// the right-click menu, open the full colour dialog to choose any colour.
#pragma once

#include <QComboBox>

#include "appearance/colour_value.h"

class QMenu;

namespace zudira {

class ColourBox : public QComboBox {
  Q_OBJECT

 public:
  explicit ColourBox(QWidget* parent = nullptr);

  // The selected colour value (0x00BBGGRR, or 0x80000000 + a system colour index).
  ColourValue Colour() const { return current_; }
  // Selects `value`, adding it to the custom colours when the box does not list it.
  void SetColour(ColourValue value);

  // Opens the full colour dialog on the current colour; a chosen colour is selected.
  void ChooseAnyColour();

  // The name shown for a value: the standard or system colour's name, else "#rrggbb".
  static QString NameOf(ColourValue value);

  // The right-click menu of advanced choices, made for one use; the caller owns it.
  QMenu* MakeContextMenu();

 signals:
  // The selected value changed, by the user or by SetColour().
  void ColourChanged(ColourValue value);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void AddItem(ColourValue value);
  void Activated(int index);
  void Select(ColourValue value);
  void RefreshSwatches();
  int IndexOf(ColourValue value) const;

  ColourValue current_ = 0;
  int custom_index_ = -1;  // the "Custom..." item
};

}  // namespace zudira
