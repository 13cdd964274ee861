// The smallest Qt Widgets program that shows a window with Japanese text:
// the floor that the editor's start-up is measured against.
#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("マップ保存"));
    label.show();
    if (qEnvironmentVariableIsSet("KELMOR_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
