#include <gtest/gtest.h>

#include <QApplication>

// Window tests need an application object; they run without a display (offscreen).
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Chronoflip"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
