#include "DateFrm.h"

namespace chronoflip {

TFrm_Date::TFrm_Date(QWidget& mainWindow) : QDialog(&mainWindow) {
    setObjectName(QStringLiteral("Frm_Date"));
}

}  // namespace chronoflip
