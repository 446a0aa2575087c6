#pragma once

#include <QWidget>

namespace chronoflip {

// The report window: the baseline reports of a folder, whose dates it sets back to the
// date of survey. Modeless; closing it only hides it.
class TFrm_Report final : public QWidget {
    Q_OBJECT

  public:
    explicit TFrm_Report(QWidget& mainWindow);
};

}  // namespace chronoflip
