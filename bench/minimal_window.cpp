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
    // Shown, and closed, as the editor is for its benchmarks, telling when.
    const auto tellClock = [](const char* what) {
        std::fprintf(stderr, "%s %lld\n", what,
                     static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                                std::chrono::system_clock::now().time_since_epoch())
                                                .count()));
    };
    if (qEnvironmentVariableIsSet("KELMOR_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, [tellClock] {
            tellClock("shown");
            QApplication::quit();
        });
    if (qEnvironmentVariableIsSet("KELMOR_CLOSE_WHEN_SHOWN")) {
        QObject::connect(&app, &QGuiApplication::lastWindowClosed, [tellClock] { tellClock("closed"); });
        QTimer::singleShot(0, &label, &QLabel::close);
    }
    return app.exec();
}
