// Entry of the program.
#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Zudira");
  QMessageBox::information(nullptr, "Zudira", "Zudira is being built: the main window is not there yet.");
  return 0;
}
