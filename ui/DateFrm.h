#pragma once

#include <QDialog>

namespace chronoflip {

// The survey-date dialog, asked modally when a report folder gives no correction pair.
class TFrm_Date final : public QDialog {
    Q_OBJECT

  public:
    explicit TFrm_Date(QWidget& mainWindow);
};

}  // namespace chronoflip
