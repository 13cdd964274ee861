// The smallest Qt Widgets program that shows a window with Japanese text:
// the floor that the editor's start-up is measured against.
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <QLabel>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("マップ保存"));
    label.show();
    if (qEnvironmentVariableIsSet("KELMOR_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QApplication::quit);
    // Closed as the editor is closed for its benchmark, telling when.
    if (qEnvironmentVariableIsSet("KELMOR_CLOSE_WHEN_SHOWN")) {
        QObject::connect(&app, &QGuiApplication::lastWindowClosed, [] {
            std::fprintf(stderr, "closed %lld\n",
                         static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                                    std::chrono::system_clock::now().time_since_epoch())
                                                    .count()));
        });
        QTimer::singleShot(0, &label, &QLabel::close);
    }
    return app.exec();
}
