// The about box (TAboutBox2): product name, version, notice and comments of the version record,
// the program icon, the system information and the maker's e-mail and web buttons.
#pragma once

#include <QDialog>
#include <QStringList>
#include <cstdint>
#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zudira {

// The facts behind the system information lines.
struct SystemFacts {
  std::optional<std::int64_t> total_memory_kb;
  std::optional<std::int64_t> free_memory_kb;
  std::optional<int> free_resources_percent;  // only older systems report it
  QString processor;
  QString operating_system;  // pretty name and kernel
  QString company;
  QString owner;
};
// The facts of this machine.
SystemFacts GatherSystemFacts();

// The system information lines, one per fact, in the order of the box: memory total and
// free (grouped KB), free resources when reported, processor, operating system, company,
// owner.
QStringList SystemInfoLines(const SystemFacts& facts);
// "1,048,576 KB" with the locale's thousands separator; "(Unknown)" when missing.
QString MemoryText(std::optional<std::int64_t> kb);

// The two button actions: kind 5 with the e-mail address, kind 3 with the web address (kind 4
// when the configured address already has the https scheme).
bool LaunchMakerEmail();
bool LaunchMakerWeb();

class TAboutBox2 : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox2(QWidget* parent = nullptr);

  void EmailBtnClick();
  void WebBtnClick();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // The parts of the box, top to bottom.
  void CreateProductName();
  void CreateIdentity();
  void CreateComments();
  void CreateSystemInfo();
  void CreateButtons();

  QPushButton* ok_button_ = nullptr;
};

// Creates the box, shows it modally and destroys it; true when it was closed with OK.
bool ShowAboutBox(QWidget* parent = nullptr);

}  // namespace zudira
