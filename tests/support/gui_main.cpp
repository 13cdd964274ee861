// Runs the window tests inside one QApplication on Qt's offscreen platform.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kelmor-edit"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
