#include "survey_date_answerer.h"

#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "ui/survey_date_window.h"

namespace chronoflip::testing {

SurveyDateAnswerer::SurveyDateAnswerer(SurveyDateWindow& dialog) : dialog_(dialog) {
    dialog.installEventFilter(this);
}

std::vector<QRadioButton*> SurveyDateAnswerer::items() const {
    const QList<QRadioButton*> found = dialog_.findChildren<QRadioButton*>();
    return {found.begin(), found.end()};
}

int SurveyDateAnswerer::selected() const {
    const std::vector<QRadioButton*> all = items();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i]->isChecked()) return static_cast<int>(i);
    }
    return -1;
}

bool SurveyDateAnswerer::eventFilter(QObject*, QEvent* event) {
    // The answer comes from inside the dialog's own event loop, once it runs.
    if (event->type() == QEvent::Show) QTimer::singleShot(0, this, &SurveyDateAnswerer::respond);
    return false;
}

void SurveyDateAnswerer::respond() {
    openings.push_back({selected(), QApplication::activeModalWidget() == &dialog_,
                        dialog_.frameGeometry().topLeft()});
    if (answer >= 0) items().at(static_cast<std::size_t>(answer))->click();
    if (closing == Closing::Ok) {
        dialog_.findChild<QPushButton*>(QStringLiteral("BtnOk"))->click();
    } else {
        dialog_.close();
    }
}

}  // namespace chronoflip::testing
