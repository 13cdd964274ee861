#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/commandline.h"
#include "app/levelreport.h"
#include "app/mapordercommand.h"
#include "app/pictureexport.h"
#include "app/form1.h"
#include "app/language.h"
#include "app/levelopener.h"
#include "app/recentfiles.h"
#include "app/messageboxasker.h"
#include "fs/fileops.h"
#include "levelfile/levelfile.h"
#include "view/windowstyle.h"

namespace {

const char kNoDisplay[] = "kelmor-edit: no display to open the editor window on.\n"
                          "Start it on a desktop, or give it a virtual one, for example:\n"
                          "    xvfb-run -a kelmor-edit [PATH]\n";

// On Linux the display comes from the environment (X11 or Wayland); other
// systems have their own window system, always there.
#if defined(Q_OS_LINUX) && !defined(Q_OS_ANDROID)
constexpr bool kDisplayFromEnvironment = true;
#else
constexpr bool kDisplayFromEnvironment = false;
#endif

bool displayConfigured()
{
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

// The folder that holds the program, without Qt (which --list and --check
// never start).
std::string programFolder()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : self.parent_path().string();
}

bool startingUp = true;

// Qt aborts with a core dump when the display it was given cannot be reached;
// say what happened and leave plainly instead.
void onQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    if (type == QtFatalMsg && startingUp) {
        std::fputs(kNoDisplay, stderr);
        std::_Exit(2);
    }
}

void quietUnlessFatal(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg || type == QtCriticalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

bool refusedAsScratchFile(const kelmor::StartRequest& request)
{
    const std::unique_ptr<kelmor::FileOps> ops = kelmor::makePosixFileOps();
    const kelmor::LevelFile level(*ops, request.folder.empty() ? programFolder() : request.folder, request.levelName);
    if (!level.isScratchFile())
        return false;
    std::fprintf(stderr,
                 "kelmor-edit: %s is named %s, the name of the scratch file a save writes and removes beside "
                 "it; give the level file another name\n",
                 level.path().c_str(), kelmor::kScratchFileName);
    return true;
}

// "WHAT NANOSECONDS" on standard error, the clock's time since the epoch:
// the benchmarks time start-up and closing against it.
void tellClock(const char* what)
{
    std::fprintf(stderr, "%s %lld\n", what,
                 static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                            std::chrono::system_clock::now().time_since_epoch())
                                            .count()));
}

}  // namespace

int main(int argc, char* argv[])
{
    // Arguments first: a wrong one is told before anything needs a display.
    const kelmor::StartRequest request = kelmor::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), {});
    switch (request.action) {
    case kelmor::StartRequest::Action::Help: std::fputs(kelmor::usageText().c_str(), stdout); return 0;
    case kelmor::StartRequest::Action::Version: std::printf("kelmor-edit %s\n", KELMOR_VERSION); return 0;
    case kelmor::StartRequest::Action::Refuse:
        std::fprintf(stderr, "kelmor-edit: %s\nTry 'kelmor-edit --help'.\n", request.problem.c_str());
        return 2;
    default: break;
    }
    // A save removes whatever stands at its scratch file's name before it
    // writes there, and start-up removes one left behind: a level file of
    // that name, or a link to one, would be removed with it.
    if (refusedAsScratchFile(request))
        return 2;
    switch (request.action) {
    case kelmor::StartRequest::Action::List:
    case kelmor::StartRequest::Action::Check: {
        // No window, no Qt: the level file alone, for scripts and CI.
        const std::unique_ptr<kelmor::FileOps> ops = kelmor::makePosixFileOps();
        const kelmor::LevelFile level(*ops, request.folder.empty() ? programFolder() : request.folder,
                                      request.levelName);
        return request.action == kelmor::StartRequest::Action::List ? kelmor::listMaps(level, std::cout, std::cerr)
                                                                    : kelmor::checkLevel(level, std::cout, std::cerr);
    }
    case kelmor::StartRequest::Action::Diff:
    case kelmor::StartRequest::Action::TextConv: {
        const std::unique_ptr<kelmor::FileOps> ops = kelmor::makePosixFileOps();
        const kelmor::LevelFile level(*ops, request.folder, request.levelName);
        if (request.action == kelmor::StartRequest::Action::TextConv)
            return kelmor::textConv(level, std::cout, std::cerr);
        const kelmor::LevelFile old(*ops, request.oldFolder, request.oldLevelName);
        return kelmor::diffLevelFiles(old, level, std::cout, std::cerr);
    }
    case kelmor::StartRequest::Action::ChangeOrder: {
        const std::unique_ptr<kelmor::FileOps> ops = kelmor::makePosixFileOps();
        const kelmor::LevelFile level(*ops, request.folder.empty() ? programFolder() : request.folder,
                                      request.levelName);
        return kelmor::changeMapOrderCommand(level, request.order, std::cout, std::cerr);
    }
    case kelmor::StartRequest::Action::Merge: {
        const std::unique_ptr<kelmor::FileOps> ops = kelmor::makePosixFileOps();
        return kelmor::mergeLevelFiles(request.merged, request.mergeName, *ops, std::cerr);
    }
    case kelmor::StartRequest::Action::ExportPng:
    case kelmor::StartRequest::Action::ExportSheet:
    case kelmor::StartRequest::Action::Thumbnail: {
        // Pictures need Qt's drawing but never a display; standard error
        // says only what the export has to say.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quietUnlessFatal);
        QGuiApplication app(argc, argv);
        const std::unique_ptr<kelmor::FileOps> ops = kelmor::makePosixFileOps();
        kelmor::StartRequest located = request;
        if (located.folder.empty())
            located.folder = programFolder();
        return kelmor::exportPicture(located, *ops, std::cerr);
    }
    default: break;  // the window
    }

    if (kDisplayFromEnvironment) {
        if (!displayConfigured()) {
            std::fputs(kNoDisplay, stderr);
            return 2;
        }
        qInstallMessageHandler(onQtMessage);
    }

    QApplication app(argc, argv);
    QApplication::setStyle(new kelmor::WindowStyle);
    QApplication::setApplicationName(QStringLiteral("kelmor-edit"));
    // Where the recent files are remembered.
    QApplication::setOrganizationName(QStringLiteral("kelmor-x"));
    startingUp = false;
    qInstallMessageHandler(nullptr);

    // Asked for, or the system's; Japanese is the texts as written.
    const kelmor::WindowLanguage language(
        kelmor::languageNamed(request.language).value_or(kelmor::languageFor(QLocale::system().uiLanguages())));

    kelmor::MessageBoxAsker asker;
    std::unique_ptr<kelmor::FileOps> fileOps = kelmor::makePosixFileOps();
    // Without PATH, the files beside the program, as always. PATH goes on as
    // the bytes it was given.
    const std::string folder = request.folder.empty()
                                   ? QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString()
                                   : request.folder;
    kelmor::RecentFiles recent;
    kelmor::LevelOpener opener(asker, *fileOps, recent);
    // Questions and notices stand over the window on the open file.
    QObject::connect(&opener, &kelmor::LevelOpener::windowChanged,
                     [&asker](kelmor::Form1* window) { asker.setParent(window); });
    kelmor::Form1& form = opener.start(folder, request.levelName);
    asker.setParent(&form);
    form.show();
    // For the start-up benchmark: tell when the window has been shown (the
    // clock's nanoseconds on standard error) and leave.
    if (qEnvironmentVariableIsSet("KELMOR_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, [] {
            tellClock("shown");
            QApplication::quit();
        });
    // For the closing benchmark: close the window as Ctrl+Q does once it is
    // shown, and tell when it went, so that what the process does after it
    // can be timed.
    if (qEnvironmentVariableIsSet("KELMOR_CLOSE_WHEN_SHOWN")) {
        QObject::connect(&app, &QGuiApplication::lastWindowClosed, [] { tellClock("closed"); });
        QTimer::singleShot(0, &form, [&form] { form.findChild<QAction*>(QStringLiteral("closeAction"))->trigger(); });
    }
    return app.exec();
}
