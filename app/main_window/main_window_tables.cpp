// The main window's Statistical Tables command: the window takes the distribution that the
// fields hold now, so its "current distribution" table matches them.
#include "app/dialogs/statistical_tables_window.h"
#include "app/main_window/main_window.h"
#include "app/shell/error_report.h"

namespace zudira {

void TPDFMainForm::TablesItemClick() {
  RunCommand([this] {
    const ProbabilityRequest request = CurrentRequest();
    ShowStatTables({request.kind, request.mean, request.sdev, request.third}, this);
  });
}

}  // namespace zudira
