#include "ReportFrm.h"

namespace chronoflip {

TFrm_Report::TFrm_Report(QWidget& mainWindow) : QWidget(&mainWindow, Qt::Window) {
    setObjectName(QStringLiteral("Frm_Report"));
}

}  // namespace chronoflip
