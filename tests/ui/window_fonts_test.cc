#include "ui/window_fonts.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QStringList>

// The windows are laid out for MS Sans Serif and Courier New; a face of other metrics would
// make captions overflow their places.
namespace chronoflip {
namespace {

TEST(WindowFontsTest, FindsTheDesignedFaceOrAMetricTwin) {
    for (const QFont& font : {windowFont(kSmallFontPixels), logFont()}) {
        const QString found = QFontInfo(font).family();
        EXPECT_TRUE(font.families().contains(found)) << found.toStdString();
    }
}

}  // namespace
}  // namespace chronoflip
