// The built editor in a real X server (Xvfb), driven with xdotool as a person
// drives it: presses on the map view, the buttons, answers from the keyboard;
// then the level file's bytes and a screenshot's pixels are checked.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>

#include "recovery/recovery.h"
#include "support/coordinatesheet.h"
#include "support/tempdir.h"

namespace kelmor::test {
namespace {

using namespace std::chrono_literals;

QString run(const QString& program, const QStringList& args, const QString& display)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(20000))
        p.kill();
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

template <class Pred>
bool waitFor(Pred done, std::chrono::milliseconds limit = 20s)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (done())
            return true;
        QThread::msleep(50);
    }
    return false;
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {"Xvfb", "xdotool"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                GTEST_FAIL() << tool << " is not installed; run tools/setup";
        startX();
        map1 = uniformRows('0');
        map1[2][3] = 'K';
        map2 = uniformRows('6');
        original = levelText({{"*E2E1", map1}, {"*E2E2", map2}});
        writeFile(dir.file("kelmor.cnf"), original);
        ASSERT_TRUE(coordinateSheet().save(QString::fromStdString(dir.file("kelmor.bmp")), "BMP"));
        std::filesystem::copy_file(KELMOR_PROGRAM, dir.file("kelmor-edit"));
    }

    void TearDown() override
    {
        if (editor.state() != QProcess::NotRunning) {
            editor.kill();
            editor.waitForFinished(5000);
        }
        if (xserver.state() != QProcess::NotRunning) {
            xserver.terminate();
            if (!xserver.waitForFinished(5000)) {
                xserver.kill();
                xserver.waitForFinished(5000);
            }
        }
    }

    void startX()
    {
        for (int n = 91; n < 140; ++n) {
            const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(n);
            const QString lock = QStringLiteral("/tmp/.X%1-lock").arg(n);
            if (QFile::exists(socket) || QFile::exists(lock))
                continue;
            display = QStringLiteral(":%1").arg(n);
            xserver.start(QStringLiteral("Xvfb"),
                          {display, QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("800x600x24"),
                           QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                           // Else the server starts over whenever its
                           // last client leaves, refusing who comes then.
                           QStringLiteral("-noreset")});
            // The socket shows up a moment before the server takes clients; an
            // editor started in between would find no display and leave.
            if (waitFor([&] { return QFile::exists(socket); }, 10s) &&
                waitFor([&] { return !xdo({QStringLiteral("getdisplaygeometry")}).isEmpty(); }, 10s))
                return;
            xserver.kill();
            xserver.waitForFinished();
        }
        FAIL() << "could not start Xvfb";
    }

    QString xdo(const QStringList& args) { return run(QStringLiteral("xdotool"), args, display); }

    void launchEditor()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display);
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        editor.setProcessEnvironment(env);
        editor.setWorkingDirectory(QDir::rootPath());  // not its own folder
        // The texts this test reads are the Japanese ones, whatever the machine's locale.
        editor.start(QString::fromStdString(dir.file("kelmor-edit")),
                     {QStringLiteral("--language"), QStringLiteral("ja")});
        ASSERT_TRUE(editor.waitForStarted());
        window.clear();  // the server gives a new client the ids of one gone
    }

    void startEditor()
    {
        ASSERT_NO_FATAL_FAILURE(launchEditor());
        ASSERT_NO_FATAL_FAILURE(findWindow());
    }

    void findWindow()
    {
        // No window manager here: the keyboard follows the pointer, and a
        // question box takes the focus itself.
        ASSERT_TRUE(waitFor([&] {
            window = xdo({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                          QStringLiteral("^kelmor-x map editor$")})
                         .section(QLatin1Char('\n'), 0, 0);
            return !window.isEmpty() || editor.waitForFinished(0);
        })) << "the editor window did not come up";
        ASSERT_FALSE(window.isEmpty()) << "the editor left: " << editor.readAllStandardError().toStdString();
        const QString geometry = xdo({QStringLiteral("getwindowgeometry"), window});
        const QString position = geometry.section(QStringLiteral("Position: "), 1).section(QLatin1Char(' '), 0, 0);
        const QString size = geometry.section(QStringLiteral("Geometry: "), 1).section(QLatin1Char('\n'), 0, 0);
        const QRect frame(position.section(QLatin1Char(','), 0, 0).toInt(),
                          position.section(QLatin1Char(','), 1, 1).toInt(),
                          size.section(QLatin1Char('x'), 0, 0).toInt(), size.section(QLatin1Char('x'), 1, 1).toInt());
        ASSERT_TRUE(waitFor([&] { return findForm(frame); })) << "no map view with its marker in the window";
    }

    // The form stands somewhere under the window's menu bar; its map view
    // always shows the red marker outline at (96, 56), which tells where.
    bool findForm(const QRect& frame)
    {
        const QImage shot = grab(frame);
        const QRgb red = qRgb(255, 0, 0);
        auto redAt = [&](int x, int y) { return shot.valid(x, y) && shot.pixel(x, y) == red; };
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (redAt(x, y) && redAt(x + 15, y) && redAt(x, y + 15) && redAt(x + 15, y + 15) &&
                    !redAt(x + 1, y + 1)) {
                    origin = frame.topLeft() + QPoint(x - 96, y - 56 - 24);
                    return true;
                }
        return false;
    }

    QImage grab(const QRect& area)
    {
        const QString png = QString::fromStdString(dir.file("shot.png"));
        run(QStringLiteral(KELMOR_GRABSCREEN),
            {png, QString::number(area.x()), QString::number(area.y()), QString::number(area.width()),
             QString::number(area.height())},
            display);
        return QImage(png).convertToFormat(QImage::Format_RGB32);
    }

    // Gives the window the keyboard, as a window manager would when a person
    // clicks into it: the window's own keys (Ctrl+S and the like) need it to
    // be the active window, and without a window manager a question box that
    // closed does not give that back.
    void focusWindow() { xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window}); }

    QString focused() { return xdo({QStringLiteral("getwindowfocus")}); }

    // The editor writes the file after the question has gone: wait for it.
    ::testing::AssertionResult levelBecomes(const std::string& expected)
    {
        std::string bytes;
        if (waitFor([&] { return (bytes = readFile(dir.file("kelmor.cnf"))) == expected; }, 5s))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "kelmor.cnf holds:\n" << bytes;
    }

    void clickAt(QPoint inForm, int button = 1)
    {
        const QPoint p = origin + inForm;
        xdo({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(p.x()), QString::number(p.y()),
             QStringLiteral("click"), QString::number(button)});
    }
    void clickCell(int row, int column, int button = 1) { clickAt({column * 16 + 8, 24 + row * 16 + 8}, button); }

    // Waits for the question box to take the focus, answers with a key and
    // waits for the box to go.
    ::testing::AssertionResult answer(const char* key)
    {
        QString box;
        const bool up = waitFor([&] {
            box = focused();
            return !box.isEmpty() && box != window &&
                   xdo({QStringLiteral("getwindowname"), box}) == QStringLiteral("kelmor-edit");
        });
        if (!up)
            return ::testing::AssertionFailure() << "no question came up";
        xdo({QStringLiteral("key"), QString::fromLatin1(key)});
        if (!waitFor([&] { return focused() != box; }))
            return ::testing::AssertionFailure() << "the question did not close";
        return ::testing::AssertionSuccess();
    }

    QImage view() { return grab(QRect(origin + QPoint(0, 24), QSize(560, 272))); }
    // The bar about a change from outside, told by its pale yellow in the
    // status bar line under the form.
    bool barShows()
    {
        const QImage line = grab(QRect(origin + QPoint(0, 333), QSize(560, 12)));
        for (int x = 0; x < line.width(); x += 4) {
            const QColor c = line.pixelColor(x, line.height() / 2);
            if (c.red() > 240 && c.green() > 220 && c.green() < 250 && c.blue() < 190)
                return true;
        }
        return false;
    }

    bool cellShows(const QImage& v, int row, int column, int tile)
    {
        // The sheet's 8 x 8 cells, 28 to a row; a screenshot is checked sparsely.
        return cellShowsBlock(v, row, column, QPoint((tile % 28) * 8, (tile / 28) * 8), 5);
    }

    TempDir dir;
    QProcess xserver;
    QProcess editor;
    QString display;
    QString window;
    QPoint origin;  // the form's top left on the screen
    std::vector<std::string> map1, map2;
    std::string original;
};

TEST_F(EndToEnd, PaintSaveNavigateAndDecline)
{
    ASSERT_NO_FATAL_FAILURE(startEditor());
    QImage shot = view();
    ASSERT_EQ(shot.size(), QSize(560, 272));
    EXPECT_TRUE(cellShows(shot, 2, 3, 286));
    EXPECT_TRUE(cellShows(shot, 10, 5, 0));
    EXPECT_EQ(shot.pixel(96, 56), qRgb(255, 0, 0));

    // Pick the key, put it elsewhere, save with Yes from the keyboard.
    clickCell(2, 3, 3);
    clickCell(10, 5, 1);
    ASSERT_TRUE(waitFor([&] { return cellShows(view(), 10, 5, 286); }, 5s));
    clickAt({264, 316});  // マップ保存
    ASSERT_TRUE(answer("Return"));
    std::vector<std::string> saved = map1;
    saved[10][5] = 'K';
    EXPECT_TRUE(levelBecomes(levelText({{"*E2E1", saved}, {"*E2E2", map2}})));
    EXPECT_FALSE(fileExists(dir.file("temp.tmp")));

    // Next map, no question: nothing was changed since the save.
    clickAt({160, 12});  // >
    ASSERT_TRUE(waitFor([&] { return cellShows(view(), 0, 0, 336); }, 5s));

    // Paint, go back to the first map and decline the save: the file stays.
    clickCell(1, 1, 1);
    clickAt({96, 12});  // |<
    ASSERT_TRUE(answer("n"));
    ASSERT_TRUE(waitFor([&] { return cellShows(view(), 10, 5, 286); }, 5s));
    EXPECT_EQ(readFile(dir.file("kelmor.cnf")), levelText({{"*E2E1", saved}, {"*E2E2", map2}}));
    EXPECT_EQ(editor.state(), QProcess::Running);
}

// Edits, undoes and saves with the keyboard alone.
TEST_F(EndToEnd, TheKeyboardAlone)
{
    ASSERT_NO_FATAL_FAILURE(startEditor());
    // The map view has the focus inside the window from the start.
    focusWindow();

    // Get the key at row 2, column 3; put it at the row's end, then one row
    // down; undo that second one.
    xdo({QStringLiteral("key"), QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Right"),
         QStringLiteral("Right"), QStringLiteral("Right"), QStringLiteral("g"), QStringLiteral("End"),
         QStringLiteral("p"), QStringLiteral("Down"), QStringLiteral("space"), QStringLiteral("ctrl+z")});
    ASSERT_TRUE(waitFor([&] { return cellShows(view(), 2, 34, 286) && !cellShows(view(), 3, 34, 286); }, 5s));
    xdo({QStringLiteral("key"), QStringLiteral("ctrl+s")});
    ASSERT_TRUE(answer("Return"));
    std::vector<std::string> saved = map1;
    saved[2][34] = 'K';
    EXPECT_TRUE(levelBecomes(levelText({{"*E2E1", saved}, {"*E2E2", map2}})));

    // Page Down leaves without a question: everything is saved.
    focusWindow();
    xdo({QStringLiteral("key"), QStringLiteral("Next")});
    ASSERT_TRUE(waitFor([&] { return cellShows(view(), 0, 0, 336); }, 5s));
    EXPECT_EQ(editor.state(), QProcess::Running);
}

// Killed with unsaved edits: the next start offers exactly those, and the
// level file never changed until they are saved.
TEST_F(EndToEnd, AKilledEditorsEditsComeBackAtTheNextStart)
{
    ASSERT_NO_FATAL_FAILURE(startEditor());
    clickCell(2, 3, 3);
    clickCell(10, 5, 1);
    clickCell(11, 6, 1);
    std::vector<std::string> edited = map1;
    edited[10][5] = 'K';
    edited[11][6] = 'K';
    const std::string recoveryFile = dir.file(".kelmor.cnf.recover");
    ASSERT_TRUE(waitFor(
        [&] {
            const std::optional<Recovery> kept = decodeRecovery(readFile(recoveryFile));
            return kept && kept->rows[10] == edited[10] && kept->rows[11] == edited[11];
        },
        5s))
        << "the edits were not kept";
    editor.kill();
    ASSERT_TRUE(editor.waitForFinished(5000));
    EXPECT_EQ(readFile(dir.file("kelmor.cnf")), original);

    ASSERT_NO_FATAL_FAILURE(launchEditor());
    ASSERT_TRUE(answer("Return"));  // restore them? yes
    ASSERT_NO_FATAL_FAILURE(findWindow());
    ASSERT_TRUE(waitFor(
        [&] {
            const QImage shot = view();
            return cellShows(shot, 10, 5, 286) && cellShows(shot, 11, 6, 286);
        },
        5s));
    EXPECT_EQ(readFile(dir.file("kelmor.cnf")), original);

    focusWindow();
    xdo({QStringLiteral("key"), QStringLiteral("ctrl+s")});
    ASSERT_TRUE(answer("Return"));
    EXPECT_TRUE(levelBecomes(levelText({{"*E2E1", edited}, {"*E2E2", map2}})));
    EXPECT_TRUE(waitFor([&] { return !fileExists(recoveryFile); }, 5s));
}

// A stage painted with the tools, and the clipboard shared with another
// program (xclip) both ways.
TEST_F(EndToEnd, PaintWithTheToolsAndTheClipboardAcrossProgramsAndMoveWhatIsSelected)
{
    if (QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
        GTEST_FAIL() << "xclip is not installed; run tools/setup test";
    ASSERT_NO_FATAL_FAILURE(startEditor());
    focusWindow();
    clickCell(2, 3, 3);  // the key into the palette
    auto dragCells = [&](int row1, int column1, int row2, int column2) {
        const QPoint a = origin + QPoint(column1 * 16 + 8, 24 + row1 * 16 + 8);
        const QPoint b = origin + QPoint(column2 * 16 + 8, 24 + row2 * 16 + 8);
        // The X server keeps the order; --sync would wait for a pointer
        // already there to move.
        xdo({QStringLiteral("mousemove"), QString::number(a.x()), QString::number(a.y()), QStringLiteral("mousedown"),
             QStringLiteral("1"), QStringLiteral("mousemove"), QString::number(b.x()), QString::number(b.y()),
             QStringLiteral("mouseup"), QStringLiteral("1")});
    };
    xdo({QStringLiteral("key"), QStringLiteral("r")});  // the rectangle
    dragCells(4, 8, 2, 5);
    ASSERT_TRUE(waitFor([&] { return cellShows(view(), 2, 5, 286) && cellShows(view(), 4, 8, 286); }, 5s));
    xdo({QStringLiteral("key"), QStringLiteral("s")});  // select, copy: another program reads it
    dragCells(2, 5, 3, 6);
    xdo({QStringLiteral("key"), QStringLiteral("ctrl+c")});
    EXPECT_TRUE(waitFor(
        [&] {
            return run(QStringLiteral("xclip"),
                       {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")},
                       display) == QStringLiteral("KK\nKK");
        },
        5s));
    // Text from another program pastes at the cursor (the selection's corner, moved right).
    run(QStringLiteral("sh"),
        {QStringLiteral("-c"), QStringLiteral("printf '7\\n7\\n' | xclip -i -selection clipboard >/dev/null 2>&1")},
        display);
    xdo({QStringLiteral("key"), QStringLiteral("Right"), QStringLiteral("Right"), QStringLiteral("Right"),
         QStringLiteral("Right"), QStringLiteral("Right"), QStringLiteral("ctrl+v")});
    std::vector<std::string> painted = map1;
    for (int r = 2; r <= 4; ++r)
        for (int c = 5; c <= 8; ++c)
            painted[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = 'K';
    // The pasted cells, selected now, dragged three rows down: "0" where they were.
    dragCells(2, 10, 5, 10);
    painted[2][10] = painted[3][10] = '0';
    painted[5][10] = painted[6][10] = '7';
    xdo({QStringLiteral("key"), QStringLiteral("ctrl+s")});
    ASSERT_TRUE(answer("Return"));
    EXPECT_TRUE(levelBecomes(levelText({{"*E2E1", painted}, {"*E2E2", map2}})));
}

// Another program rewrites the level file: in place and by a rename while
// the map is as loaded, then while it is edited.
TEST_F(EndToEnd, AChangeFromOutsideReloadsOrAsksWithoutLosingAnEdit)
{
    ASSERT_NO_FATAL_FAILURE(startEditor());
    const std::string scratch = dir.file("theirs");
    auto otherProgram = [&](const std::vector<std::string>& rows, const char* script) {
        writeFile(scratch, levelText({{"*E2E1", rows}, {"*E2E2", map2}}));
        ASSERT_EQ(QProcess::execute(QStringLiteral("sh"),
                                    {QStringLiteral("-c"), QString::fromLatin1(script), QStringLiteral("sh"),
                                     QString::fromStdString(scratch), QString::fromStdString(dir.file("kelmor.cnf"))}),
                  0);
    };
    std::vector<std::string> theirs = map1;
    theirs[5][5] = 'K';
    otherProgram(theirs, "cat \"$1\" > \"$2\"");
    ASSERT_TRUE(waitFor([&] { return cellShows(view(), 5, 5, 286); }, 5s)) << "not reloaded after a write in place";
    theirs[6][6] = 'K';
    otherProgram(theirs, "mv \"$1\" \"$2\"");
    ASSERT_TRUE(waitFor([&] { return cellShows(view(), 6, 6, 286); }, 5s)) << "not reloaded after a rename";

    // Edited: the edit stays, and the bar comes in the status bar line,
    // moving nothing.
    clickCell(2, 3, 3);
    clickCell(10, 5, 1);
    ASSERT_TRUE(waitFor([&] { return cellShows(view(), 10, 5, 286); }, 5s));
    std::vector<std::string> ours = theirs;
    ours[10][5] = 'K';
    theirs[7][7] = 'K';
    const QPoint before = origin;
    ASSERT_FALSE(barShows());
    otherProgram(theirs, "mv \"$1\" \"$2\"");
    ASSERT_TRUE(waitFor([&] { return barShows(); })) << "no bar in the status bar line";
    ASSERT_NO_FATAL_FAILURE(findWindow());
    EXPECT_EQ(origin, before);
    EXPECT_TRUE(cellShows(view(), 10, 5, 286));
    EXPECT_FALSE(cellShows(view(), 7, 7, 286));

    // このまま (Alt+K): the bar goes, and the save asks before it overwrites.
    focusWindow();
    xdo({QStringLiteral("key"), QStringLiteral("alt+k")});
    ASSERT_TRUE(waitFor([&] { return !barShows(); })) << "the bar stayed";
    ASSERT_NO_FATAL_FAILURE(findWindow());
    EXPECT_EQ(origin, before);
    focusWindow();
    xdo({QStringLiteral("key"), QStringLiteral("ctrl+s")});
    ASSERT_TRUE(answer("Return"));  // save map No 1?
    ASSERT_TRUE(answer("Return"));  // it changed in the file: overwrite it?
    EXPECT_TRUE(levelBecomes(levelText({{"*E2E1", ours}, {"*E2E2", map2}})));
}

// ファイル > 開く with the real file dialog, its path typed as a person types it.
TEST_F(EndToEnd, OpenAnotherLevelFileThroughTheFileDialog)
{
    std::filesystem::create_directory(dir.file("second"));
    writeFile(dir.file("second/stage.cnf"), levelText({{"*OTHER", uniformRows('K')}}));
    std::filesystem::copy_file(dir.file("kelmor.bmp"), dir.file("second/kelmor.bmp"));
    ASSERT_NO_FATAL_FAILURE(startEditor());
    const QString first = window;
    focusWindow();
    xdo({QStringLiteral("key"), QStringLiteral("ctrl+o")});
    QString dialog;
    ASSERT_TRUE(waitFor([&] {
        dialog = focused();
        return !dialog.isEmpty() && dialog != window &&
               xdo({QStringLiteral("getwindowname"), dialog}) == QStringLiteral("レベルファイルを開く");
    })) << "no file dialog came up";
    xdo({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"),
         QString::fromStdString(dir.file("second/stage.cnf"))});
    // The first Return may only take the name the completer offers.
    for (int i = 0; i < 3 && focused() == dialog; ++i) {
        xdo({QStringLiteral("key"), QStringLiteral("Return")});
        waitFor([&] { return focused() != dialog; }, 2s);
    }
    ASSERT_TRUE(waitFor([&] {
        const QString now = xdo({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                                 QStringLiteral("^kelmor-x map editor$")})
                                .section(QLatin1Char('\n'), 0, 0);
        return !now.isEmpty() && now != first;
    })) << "no window on the opened file";
    ASSERT_NO_FATAL_FAILURE(findWindow());
    EXPECT_TRUE(waitFor([&] { return cellShows(view(), 0, 0, 286) && cellShows(view(), 16, 34, 286); }, 5s));
    EXPECT_EQ(readFile(dir.file("kelmor.cnf")), original);
    EXPECT_EQ(editor.state(), QProcess::Running);
}

}  // namespace
}  // namespace kelmor::test

int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
