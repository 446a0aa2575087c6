#pragma once

#include <QDialog>

#include "reports/survey_date.h"

class QButtonGroup;

namespace chronoflip {

// The survey-date dialog, asked modally when a report folder gives no correction pair.
// There is no cancel: whatever is selected when it closes, however it closes, is the answer.
class SurveyDateWindow final : public QDialog, public SurveyDateDialog {
    Q_OBJECT

  public:
    explicit SurveyDateWindow(QWidget& mainWindow);

    int chooseSurveyDate(int preset) override;

  private:
    QButtonGroup* choices_ = nullptr;
};

}  // namespace chronoflip
