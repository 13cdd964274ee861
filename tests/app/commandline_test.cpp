// The program's arguments, given to the built program itself with no display
// at all: whatever it refuses, it refuses before it would need one.
#include <QProcess>
#include <QStandardPaths>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

#include "support/tempdir.h"

namespace kelmor::test {
namespace {

struct Outcome {
    int code = -1;
    std::string out, err;
};

Outcome run(const QStringList& args, const QString& asUser = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    p.setProcessEnvironment(env);
    if (asUser.isEmpty())
        p.start(QStringLiteral(KELMOR_PROGRAM), args);
    else
        p.start(QStringLiteral("setpriv"),
                QStringList{QStringLiteral("--reuid=") + asUser, QStringLiteral("--regid=") + asUser,
                            QStringLiteral("--clear-groups"), QStringLiteral(KELMOR_PROGRAM)} +
                    args);
    Outcome r;
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput().toStdString();
    r.err = p.readAllStandardError().toStdString();
    return r;
}

constexpr const char* kNoDisplay = "no display";

TEST(CommandLine, BadInputIsRefusedWithItsReasonBeforeAnyWindow)
{
    TempDir dir;
    const QString folder = QString::fromStdString(dir.path());
    const struct {
        QStringList args;
        const char* says;
    } cases[] = {
        {{folder + QStringLiteral("/missing/kelmor.cnf")}, "does not exist"},
        {{folder + QStringLiteral("/dta")}, "a new level file is made only for a name ending in .cnf"},
        {{QStringLiteral("--frobnicate")}, "unknown option --frobnicate"},
        {{folder, folder}, "give one folder or level file, not 2"},
        {{QString()}, "an empty path"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const Outcome r = run(c.args);
        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find(kNoDisplay), std::string::npos) << r.err;
    }

    // A folder this user may not read: root reads every folder, so as nobody.
    std::filesystem::create_directory(dir.file("closed"));
    std::filesystem::permissions(dir.file("closed"), std::filesystem::perms::none);
    if (::geteuid() == 0 && !QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty()) {
        std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
        const Outcome r = run({folder + QStringLiteral("/closed")}, QStringLiteral("65534"));  // nobody
        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.err.find("cannot read the folder"), std::string::npos) << r.err;
    } else if (::geteuid() != 0) {
        const Outcome r = run({folder + QStringLiteral("/closed")});
        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.err.find("cannot read the folder"), std::string::npos) << r.err;
    }
}

TEST(CommandLine, GoodInputGoesOnToTheWindow)
{
    TempDir dir;
    const QString folder = QString::fromStdString(dir.path());
    // A folder, a level file not made yet, and "--" before a name like an option:
    // all accepted, so the program goes on and finds no display.
    for (const QStringList& args : {QStringList{folder}, QStringList{folder + QStringLiteral("/new.cnf")},
                                    QStringList{QStringLiteral("--"), folder}}) {
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        const Outcome r = run(args);
        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.err.find(kNoDisplay), std::string::npos) << r.err;
    }
    const Outcome help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("Usage: kelmor-edit [PATH]"), std::string::npos);
    EXPECT_NE(help.out.find("Ctrl+Z"), std::string::npos);
    const Outcome version = run({QStringLiteral("--version")});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "kelmor-edit " KELMOR_VERSION "\n");
}

}  // namespace
}  // namespace kelmor::test
