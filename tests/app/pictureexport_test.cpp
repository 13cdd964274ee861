// The picture exports, run as the built program with no display at all, and
// compared with what the real window shows.
#include <QAction>
#include <QImage>
#include <QProcess>
#include <filesystem>

#include "support/formfixture.h"
#include "view/mapview.h"

namespace kelmor::test {
namespace {

class Export : public FormTest {
protected:
    struct Outcome {
        int code = -1;
        std::string err;
    };
    Outcome run(const QStringList& args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(KELMOR_PROGRAM), args);
        Outcome r;
        if (p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit)
            r.code = p.exitCode();
        r.err = p.readAllStandardError().toStdString();
        return r;
    }
    QString path(const char* name) const { return QString::fromStdString(dir.file(name)); }
    QString folder() const { return QString::fromStdString(dir.path()); }
    QImage picture(const char* name) const { return QImage(path(name)).convertToFormat(QImage::Format_RGB32); }
    std::vector<std::string> files() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(Export, APictureIsTheViewPixelForPixel)
{
    openOnThreeMaps();
    form->document().load(2);
    const QImage view = viewPixels();
    ASSERT_EQ(run({QStringLiteral("--export-png"), QStringLiteral("2"), path("two.png"), QStringLiteral("--marker"),
                   folder()})
                  .code,
              0);
    EXPECT_EQ(picture("two.png"), view);

    // Enlarged, with the grid and the codes the 表示 menu draws over the view.
    for (const char* name : {"gridAction", "codesAction"})
        form->findChild<QAction*>(QString::fromLatin1(name))->trigger();
    const QImage overlaid = viewPixels();
    ASSERT_NE(overlaid, view);
    ASSERT_EQ(run({QStringLiteral("--export-png"), QStringLiteral("2"), path("big.png"), QStringLiteral("--scale"),
                   QStringLiteral("3"), QStringLiteral("--grid"), QStringLiteral("--codes"), QStringLiteral("--marker"),
                   folder()})
                  .code,
              0);
    EXPECT_EQ(picture("big.png"), overlaid.scaled(1680, 816));
    // Without --marker, no marker.
    ASSERT_EQ(run({QStringLiteral("--export-png"), QStringLiteral("2"), path("plain.png"), folder()}).code, 0);
    EXPECT_NE(picture("plain.png").pixel(96, 56), qRgb(255, 0, 0));
}

TEST_F(Export, RefusalsReplacingAndNothingLeftBeside)
{
    writeSheet(coordinateSheet());
    writeLevel(threeMaps());
    const QString out = path("out.png");
    const struct {
        QStringList args;
        const char* reason;
    } refused[] = {
        {{QStringLiteral("--export-png"), QStringLiteral("0"), out, folder()}, "map number must be 1 to 32767"},
        {{QStringLiteral("--export-png"), QStringLiteral("4"), out, folder()}, "map 4 is not in"},
        {{QStringLiteral("--export-png"), QStringLiteral("1"), out, QStringLiteral("--scale"), QStringLiteral("17"),
          folder()},
         "--scale must be a whole number from 1 to 16"},
        {{QStringLiteral("--export-png"), QStringLiteral("1"), out, path("no-such-folder")}, "does not exist"},
        {{QStringLiteral("--export-png"), QStringLiteral("1"), path("no-such-folder/out.png"), folder()},
         "the folder of"},
        {{QStringLiteral("--scale"), QStringLiteral("2"), folder()}, "--scale goes with --export-png"},
    };
    for (const auto& [args, reason] : refused) {
        const Outcome r = run(args);
        EXPECT_EQ(r.code, 2) << reason;
        EXPECT_NE(r.err.find(reason), std::string::npos) << r.err;
    }
    EXPECT_FALSE(fileExists(dir.file("out.png")));

    // An existing picture stays unless --force, which replaces it whole.
    writeFile(dir.file("out.png"), "mine");
    const QStringList map1{QStringLiteral("--export-png"), QStringLiteral("1"), out, folder()};
    const Outcome kept = run(map1);
    EXPECT_EQ(kept.code, 2);
    EXPECT_NE(kept.err.find("give --force"), std::string::npos);
    EXPECT_EQ(readFile(dir.file("out.png")), "mine");
    ASSERT_EQ(run(map1 + QStringList{QStringLiteral("--force")}).code, 0);
    EXPECT_EQ(picture("out.png").size(), QSize(560, 272));
    EXPECT_EQ(files(), (std::vector<std::string>{"kelmor.bmp", "kelmor.cnf", "out.png"}));

    // Never over what it is drawn from, --force or not, by any name.
    const std::string level = readFile(dir.file("kelmor.cnf"));
    const std::string sheet = readFile(dir.file("kelmor.bmp"));
    std::filesystem::create_symlink("kelmor.cnf", dir.file("link.png"));
    const QString force = QStringLiteral("--force");
    for (const QStringList& args :
         {QStringList{QStringLiteral("--export-png"), QStringLiteral("1"), path("kelmor.cnf"), force, folder()},
          QStringList{QStringLiteral("--export-png"), QStringLiteral("1"), path("kelmor.bmp"), force, folder()},
          QStringList{QStringLiteral("--export-sheet"), path("link.png"), force, folder()},
          QStringList{QStringLiteral("--thumbnail"), path("kelmor.cnf"), path("kelmor.cnf"), QStringLiteral("64"),
                      force}}) {
        const Outcome r = run(args);
        EXPECT_EQ(r.code, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_NE(r.err.find("which the picture is drawn from"), std::string::npos) << r.err;
    }
    EXPECT_EQ(readFile(dir.file("kelmor.cnf")), level);
    EXPECT_EQ(readFile(dir.file("kelmor.bmp")), sheet);
    std::filesystem::remove(dir.file("link.png"));

    // Scratch pictures a killed export left: taken for nothing, and removed.
    std::filesystem::remove(dir.file("out.png"));
    for (int n = 1; n <= 16; ++n)
        writeFile(dir.file(".out.png." + std::to_string(n) + ".part"), "killed");
    ASSERT_EQ(run(map1 + QStringList{force}).code, 0);
    EXPECT_EQ(picture("out.png").size(), QSize(560, 272));
    EXPECT_EQ(files(), (std::vector<std::string>{"kelmor.bmp", "kelmor.cnf", "out.png"}));
}

TEST_F(Export, SheetsAndThumbnails)
{
    // A file manager's sandbox shows the level file alone: each cell in a
    // colour of its code.
    std::vector<std::string> rows = uniformRows('0');
    rows[0] = std::string(35, '7');
    std::vector<std::pair<std::string, std::vector<std::string>>> maps(700, {"*MAP", uniformRows('1')});
    maps[0] = {"*MAP001", rows};
    writeLevel(levelText(maps));
    ASSERT_EQ(run({QStringLiteral("--thumbnail"), path("kelmor.cnf"), path("thumb.png"), QStringLiteral("70")}).code,
              0);
    const QImage thumb = picture("thumb.png");
    EXPECT_EQ(thumb.size(), QSize(70, 34));
    EXPECT_NE(thumb.pixel(0, 0), thumb.pixel(0, 33));  // a row of "7" over "0"s
    EXPECT_EQ(thumb.pixel(0, 33), qRgb(0, 0, 0));

    const Outcome huge = run({QStringLiteral("--export-sheet"), path("all.png"), folder()});
    EXPECT_EQ(huge.code, 2);
    EXPECT_NE(huge.err.find("over 100 megapixels"), std::string::npos) << huge.err;
    ASSERT_EQ(run({QStringLiteral("--export-sheet"), path("two.png"), QStringLiteral("--maps"), QStringLiteral("1-2"),
                   QStringLiteral("--columns"), QStringLiteral("1"), folder()})
                  .code,
              0);
    EXPECT_EQ(picture("two.png").size(), QSize(560, 2 * (20 + 272) + 8));
}

}  // namespace
}  // namespace kelmor::test
