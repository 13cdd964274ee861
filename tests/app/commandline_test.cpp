// The program's arguments, given to the built program itself with no display
// at all: whatever it refuses, it refuses before it would need one.
#include <QProcess>
#include <QStandardPaths>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

#include "app/levelreport.h"
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
        {{QStringLiteral("--language"), QStringLiteral("fr"), folder}, "--language must be ja or en, not fr"},
        {{QStringLiteral("--list"), QStringLiteral("--language"), QStringLiteral("en"), folder},
         "--language goes with the editor window"},
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

TEST(CommandLine, ALevelFileNamedLikeTheScratchFileIsRefusedAndKept)
{
    TempDir dir;
    const QString folder = QString::fromStdString(dir.path());
    writeFile(dir.file("temp.tmp"), "*MAP001\r\n");
    std::filesystem::create_symlink("temp.tmp", dir.file("kelmor.cnf"));
    // By its name, and by a link that leads to it, for the window and every command.
    for (const QString& level : {folder + QStringLiteral("/temp.tmp"), folder}) {
        for (const QStringList& command :
             {QStringList{}, QStringList{QStringLiteral("--list")}, QStringList{QStringLiteral("--check")},
              QStringList{QStringLiteral("--export-png"), QStringLiteral("1"), folder + QStringLiteral("/m.png")}}) {
            SCOPED_TRACE((command + QStringList{level}).join(QLatin1Char(' ')).toStdString());
            const Outcome r = run(command + QStringList{level});
            EXPECT_EQ(r.code, 2);
            EXPECT_NE(r.err.find("is named temp.tmp"), std::string::npos) << r.err;
            EXPECT_EQ(readFile(dir.file("temp.tmp")), "*MAP001\r\n");
        }
    }
}

TEST(CommandLine, GoodInputGoesOnToTheWindow)
{
    TempDir dir;
    const QString folder = QString::fromStdString(dir.path());
    // A folder, a level file not made yet, and "--" before a name like an option:
    // all accepted, so the program goes on and finds no display.
    for (const QStringList& args : {QStringList{folder}, QStringList{folder + QStringLiteral("/new.cnf")},
                                    QStringList{QStringLiteral("--"), folder},
                                    QStringList{QStringLiteral("--language"), QStringLiteral("en"), folder}}) {
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        const Outcome r = run(args);
        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.err.find(kNoDisplay), std::string::npos) << r.err;
    }
    const Outcome help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("Usage: kelmor-edit [--language ja|en] [PATH]"), std::string::npos);
    EXPECT_NE(help.out.find("Ctrl+Z"), std::string::npos);
    const Outcome version = run({QStringLiteral("--version")});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "kelmor-edit " KELMOR_VERSION "\n");
}

// What --list and --check print of a file's bytes never acts on a terminal.
TEST(CommandLine, FieldsAreEscapedForATerminal)
{
    const std::pair<std::string, std::string> cases[] = {
        {"*A\t\\\r\n", "*A\\t\\\\\\r\\n"},
        {"\x1b]0;title\x07\x1b[2J", "\\x1B]0;title\\x07\\x1B[2J"},  // sets the title, clears the screen
        {std::string("\0\x7f", 2), "\\x00\\x7F"},
        {"\xc2\x9b"
         "2J \xc2\xa0",
         "\\xC2\\x9B"
         "2J \xc2\xa0"},  // a C1 control; a no-break space stays
        {"*マップ", "*マップ"},
        {"\xff\xe3\x83", "\\xFF\\xE3\\x83"},                    // not UTF-8, and a sequence cut off
        {"\xed\xa0\x80\xc0\xaf", "\\xED\\xA0\\x80\\xC0\\xAF"},  // a surrogate, an overlong "/"
    };
    for (const auto& [bytes, shown] : cases)
        EXPECT_EQ(escapeField(bytes), shown);
}

// Git in a scratch repository of its own, with nothing of this machine's
// configuration.
Outcome runGit(const QString& repo, const QStringList& args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), repo);
    env.insert(QStringLiteral("GIT_CONFIG_NOSYSTEM"), QStringLiteral("1"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(repo);
    p.start(QStringLiteral("git"), QStringList{QStringLiteral("-c"), QStringLiteral("user.name=t"),
                                               QStringLiteral("-c"), QStringLiteral("user.email=t@example.org")} +
                                       args);
    Outcome r;
    if (p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit)
        r.code = p.exitCode();
    r.out = p.readAllStandardOutput().toStdString();
    r.err = p.readAllStandardError().toStdString();
    return r;
}

// --diff between two files, and --textconv as git's diff driver in a
// scratch repository, set up as the README says.
TEST(CommandLine, DiffAndGitNameTheMapAndTheRow)
{
    TempDir dir;
    const std::string before = levelText({{"*MAP001", uniformRows('1')}, {"*MAP002", uniformRows('2')}});
    std::vector<std::string> rows = uniformRows('2');
    rows[3][7] = 'K';
    const std::string after = levelText({{"*MAP001", uniformRows('1')}, {"*MAP002", rows}});
    writeFile(dir.file("a.cnf"), before);
    writeFile(dir.file("b.cnf"), after);
    const QString a = QString::fromStdString(dir.file("a.cnf")), b = QString::fromStdString(dir.file("b.cnf"));
    const QString diffOption = QStringLiteral("--diff");
    EXPECT_EQ(run({diffOption, a, a}).code, 0);
    const Outcome differ = run({diffOption, a, b});
    EXPECT_EQ(differ.code, 1);
    EXPECT_EQ(differ.out, "map 2 \"*MAP002\": row 3 column 7: 2 -> K\n");
    EXPECT_EQ(run({diffOption, a, QString::fromStdString(dir.file("none.cnf"))}).code, 2);

    const QString repo = QString::fromStdString(dir.path());
    const auto git = [&](const QStringList& args) {
        const Outcome r = runGit(repo, args);
        EXPECT_EQ(r.code, 0) << args.join(QLatin1Char(' ')).toStdString() << r.err;
        return r.out;
    };
    git({QStringLiteral("init"), QStringLiteral("-q")});
    writeFile(dir.file(".gitattributes"), "*.cnf diff=kelmor\n");
    git({QStringLiteral("config"), QStringLiteral("diff.kelmor.textconv"),
         QStringLiteral(KELMOR_PROGRAM " --textconv")});
    writeFile(dir.file("kelmor.cnf"), before);
    git({QStringLiteral("add"), QStringLiteral(".")});
    git({QStringLiteral("commit"), QStringLiteral("-q"), QStringLiteral("-m"), QStringLiteral("maps")});
    writeFile(dir.file("kelmor.cnf"), after);
    const std::string shown = git({QStringLiteral("diff"), QStringLiteral("kelmor.cnf")});
    EXPECT_NE(shown.find("\n-*MAP002 03 |" + std::string(35, '2') + "|\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("\n+*MAP002 03 |" + rows[3] + "|\n"), std::string::npos) << shown;
}

// --merge as git's merge driver, set up as the README says: two branches
// merged for real, one file cleanly and one with a conflict.
TEST(CommandLine, GitMergesLevelFilesMapByMap)
{
    TempDir dir;
    const QString repo = QString::fromStdString(dir.path());
    const auto git = [&](const QStringList& args) {
        const Outcome r = runGit(repo, args);
        EXPECT_EQ(r.code, 0) << args.join(QLatin1Char(' ')).toStdString() << r.err;
    };
    const auto level = [](char first, char second) {
        std::vector<std::string> one = uniformRows('1'), two = uniformRows('2');
        one[3][4] = first;
        two[5][6] = second;
        return levelText({{"*MAP001", one}, {"*MAP002", two}});
    };
    const auto commitOn = [&](const char* branch, const char* file, const std::string& bytes) {
        git({QStringLiteral("checkout"), QStringLiteral("-q"), QString::fromLatin1(branch)});
        writeFile(dir.file(file), bytes);
        git({QStringLiteral("commit"), QStringLiteral("-qam"), QString::fromLatin1(file)});
    };
    const QStringList mergeTheirs{QStringLiteral("merge"), QStringLiteral("-q"), QStringLiteral("--no-edit"),
                                  QStringLiteral("theirs")};
    git({QStringLiteral("init"), QStringLiteral("-q")});
    writeFile(dir.file(".gitattributes"), "*.cnf merge=kelmor\n");
    git({QStringLiteral("config"), QStringLiteral("merge.kelmor.driver"),
         QStringLiteral(KELMOR_PROGRAM " --merge %O %A %B %P")});
    writeFile(dir.file("clean.cnf"), level('1', '2'));
    writeFile(dir.file("conflict.cnf"), level('1', '2'));
    git({QStringLiteral("add"), QStringLiteral(".")});
    git({QStringLiteral("commit"), QStringLiteral("-qm"), QStringLiteral("base")});
    git({QStringLiteral("branch"), QStringLiteral("ours")});
    git({QStringLiteral("branch"), QStringLiteral("theirs")});

    // Each side changed its own map: a merge commit with both.
    commitOn("theirs", "clean.cnf", level('1', 'B'));
    commitOn("ours", "clean.cnf", level('A', '2'));
    git(mergeTheirs);
    EXPECT_EQ(runGit(repo, {QStringLiteral("show"), QStringLiteral("HEAD:clean.cnf")}).out, level('A', 'B'));
    EXPECT_NE(runGit(repo, {QStringLiteral("rev-parse"), QStringLiteral("HEAD^2")}).code, 128);

    // Both changed one cell differently: ours kept, told, and git stops.
    commitOn("theirs", "conflict.cnf", level('Y', '2'));
    commitOn("ours", "conflict.cnf", level('X', '2'));
    const Outcome merged = runGit(repo, mergeTheirs);
    EXPECT_NE(merged.code, 0);
    EXPECT_NE(merged.err.find("conflict.cnf:map 1 \"*MAP001\":row 3:column 4: ours X, theirs Y, base 1"),
              std::string::npos)
        << merged.err;
    EXPECT_EQ(readFile(dir.file("conflict.cnf")), level('X', '2'));  // ours kept, and no marker in it
    EXPECT_NE(runGit(repo, {QStringLiteral("status"), QStringLiteral("--porcelain")}).out.find("UU conflict.cnf"),
              std::string::npos);
    EXPECT_EQ(run({QStringLiteral("--check"), QString::fromStdString(dir.file("conflict.cnf"))}).code, 0);
}

// Thousands of maps, so that the table of headers --check keeps grows more
// than once, and a header repeated far from its first map is still found.
TEST(CommandLine, CheckFindsARepeatedHeaderAmongThousands)
{
    TempDir dir;
    std::vector<std::pair<std::string, std::vector<std::string>>> maps;
    for (int n = 1; n <= 20000; ++n)
        maps.push_back({"*M" + std::to_string(n), uniformRows('0')});
    maps[19998].first = "*M3";
    writeFile(dir.file("kelmor.cnf"), levelText(maps));
    const Outcome check = run({QStringLiteral("--check"), QString::fromStdString(dir.file("kelmor.cnf"))});
    EXPECT_EQ(check.code, 1);
    EXPECT_EQ(check.out, dir.file("kelmor.cnf") + ":map 19999: the header is the header of map 3; a save would "
                                                  "replace that map\n");
}

// --list and --check read the level file with no display and no window.
TEST(CommandLine, ListAndCheckTellEveryMapAndEveryFinding)
{
    TempDir dir;
    const std::vector<std::string> good = uniformRows('0');
    std::vector<std::string> rows = good;
    rows[2].pop_back();  // 34 cells
    rows[3][7] = '\t';   // a cell no press could place
    std::vector<std::string> header = good;
    header[5] = "*OTHER";                // a header among the rows
    header[1] = std::string(5000, '0');  // and a row over the limit
    std::string bytes = "stray\r\n" + levelText({{"*A\t\\", good}, {"*B", rows}, {"*C D", good}, {"*A\t\\", good}}) +
                        "after\r\n" + levelText({{"*E", header}}) + "*" + std::string(1100, 'H') + "\r\n" +
                        std::string(35, '0') + "\r\n";
    writeFile(dir.file("kelmor.cnf"), bytes);
    const QString folder = QString::fromStdString(dir.path());
    const std::string file = dir.file("kelmor.cnf");

    const Outcome list = run({QStringLiteral("--list"), folder});
    EXPECT_EQ(list.code, 0) << list.err;
    EXPECT_EQ(list.out, "1\t*A\\t\\\\\tok\n2\t*B\tok\n3\t*C D\tok\n4\t*A\\t\\\\\tok\n5\t*E\tdamaged\n6\t*" +
                            std::string(1023, 'H') + "\tdamaged\n");

    const Outcome check = run({QStringLiteral("--check"), QString::fromStdString(file)});
    EXPECT_EQ(check.code, 1) << check.err;
    for (const std::string& finding : {
             file + ": the item stray before the first map belongs to no map (a header without \"*\"?)",
             file + ":map 2:row 2: the row has 34 cells, not 35",
             file + ":map 2:row 3:column 7: code '\\t' names nothing in the catalogue, and the editor cannot place it",
             file + ":map 3: the header holds a blank or a comma, which the header box removes; a save would append "
                    "a new map instead of replacing this one",
             // A map's findings come before those of what follows it.
             file + ":map 4: the header is the header of map 1; a save would replace that map\n" + file +
                 ":map 4: the item after after the map's rows belongs to no map (a header without \"*\"?)",
             file + ":map 5:row 5: a row holds a \"*\" and reads as a header; the editor does not save this map",
             file + ":map 5: a row is over 4096 bytes; the editor does not save this map",
             file + ":map 6: the header is over 1024 bytes; the editor does not save this map",
             file + ":map 6: the map is cut off: 1 of 17 rows",
         })
        EXPECT_NE(check.out.find(finding + "\n"), std::string::npos) << finding << "\nin:\n" << check.out;

    // Codes the game knows nothing of, wherever they stand.
    std::vector<std::string> typos = good;
    typos[0][0] = 'Z';
    typos[16][34] = 'a';
    typos[8][3] = '{';
    writeFile(dir.file("typos.cnf"), levelText({{"*A", good}, {"*B", typos}, {"*C", typos}}));
    const Outcome unknown = run({QStringLiteral("--check"), QString::fromStdString(dir.file("typos.cnf"))});
    EXPECT_EQ(unknown.code, 1);
    const std::string typosFile = dir.file("typos.cnf");
    std::string expected;
    for (const int map : {2, 3})
        for (const auto& [at, code] : {std::pair{":row 0:column 0", "Z"}, std::pair{":row 8:column 3", "{"},
                                       std::pair{":row 16:column 34", "a"}})
            expected += typosFile + ":map " + std::to_string(map) + at + ": code '" + code +
                        "' names nothing in the catalogue\n";
    EXPECT_EQ(unknown.out, expected);

    // Plain maps are judged on their bytes, the rest read again: both must
    // find the same, across the reader's buffers, with LF or CR LF, and a
    // blank where it shifts a row.
    std::string many;
    std::string manyExpected;
    const std::string manyFile = dir.file("many.cnf");
    for (int map = 1; map <= 400; ++map) {
        std::vector<std::string> mapRows = good;
        if (map % 37 == 0) {
            mapRows[static_cast<std::size_t>(map % 17)][static_cast<std::size_t>(map % 35)] = 'Y';
            manyExpected += manyFile + ":map " + std::to_string(map) + ":row " + std::to_string(map % 17) + ":column " +
                            std::to_string(map % 35) + ": code 'Y' names nothing in the catalogue\n";
        }
        if (map == 200) {
            mapRows[4][0] = ' ';  // read as a row of 34 cells
            manyExpected += manyFile + ":map 200:row 4: the row has 34 cells, not 35\n";
        }
        const std::string end = map % 2 == 0 ? "\n" : "\r\n";
        many += "*M" + std::to_string(map) + end;
        for (const std::string& row : mapRows)
            many += row + end;
    }
    writeFile(manyFile, many);
    const Outcome manyChecked = run({QStringLiteral("--check"), QString::fromStdString(manyFile)});
    EXPECT_EQ(manyChecked.code, 1);
    EXPECT_EQ(manyChecked.out, manyExpected);

    writeFile(dir.file("clean.cnf"), levelText({{"*A", good}}));
    const Outcome clean = run({QStringLiteral("--check"), QString::fromStdString(dir.file("clean.cnf"))});
    EXPECT_EQ(clean.code, 0);
    EXPECT_EQ(clean.out, "");

    // Bad input, and a file that cannot be read, are exit 2.
    for (const QStringList& args : {QStringList{QStringLiteral("--list"), folder + QStringLiteral("/none.cnf")},
                                    QStringList{QStringLiteral("--check"), folder + QStringLiteral("/dta")},
                                    QStringList{QStringLiteral("--list"), QStringLiteral("--check"), folder}}) {
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        const Outcome r = run(args);
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("kelmor-edit: "), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace kelmor::test

namespace kelmor::test {
namespace {

TEST(CommandLine, MapsMovedInsertedAndDeletedOrTheReasonWhyNot)
{
    TempDir dir;
    const std::string path = dir.file("stages.cnf");
    const QString level = QString::fromStdString(path);
    const auto map = [](const char* header, char fill) { return levelText({{header, uniformRows(fill)}}); };
    writeFile(path, map("*A", '1') + map("*B", '2') + map("*C", '3'));
    std::filesystem::permissions(path, std::filesystem::perms(0640));

    Outcome r = run({QStringLiteral("--move-map"), QStringLiteral("3"), QStringLiteral("1"), level});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(readFile(path), map("*C", '3') + map("*A", '1') + map("*B", '2'));
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
    r = run({QStringLiteral("--insert-map"), QStringLiteral("4"), level});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "*MAP004\n");
    r = run({QStringLiteral("--delete-map"), QStringLiteral("4"), level});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(readFile(path), map("*C", '3') + map("*A", '1') + map("*B", '2'));

    // Through a link from another folder: the file it points to changes.
    TempDir game;
    std::filesystem::create_symlink(path, game.file("kelmor.cnf"));
    r = run({QStringLiteral("--delete-map"), QStringLiteral("1"), QString::fromStdString(game.path())});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(std::filesystem::is_symlink(game.file("kelmor.cnf")));
    const std::string two = map("*A", '1') + map("*B", '2');
    EXPECT_EQ(readFile(path), two);

    writeFile(dir.file("one.cnf"), map("*A", '1'));
    const struct {
        QStringList args;
        const char* says;
    } refusals[] = {
        {{QStringLiteral("--delete-map"), QStringLiteral("3"), level}, "there is no map 3 (the file has 2 maps)"},
        {{QStringLiteral("--move-map"), QStringLiteral("0"), QStringLiteral("1"), level}, "a map number must be"},
        {{QStringLiteral("--insert-map"), QStringLiteral("x"), level}, "a map number must be"},
        {{QStringLiteral("--move-map"), QStringLiteral("1")}, "needs 2 values"},
        {{QStringLiteral("--delete-map"), QStringLiteral("1"), QStringLiteral("--list"), level}, "give one of"},
        {{QStringLiteral("--delete-map"), QStringLiteral("1"), QString::fromStdString(dir.file("one.cnf"))},
         "only map"},
        {{QStringLiteral("--delete-map"), QStringLiteral("1"), QString::fromStdString(dir.file("none.cnf"))},
         "cannot read"},
    };
    for (const auto& c : refusals) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        r = run(c.args);
        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    }
    EXPECT_EQ(readFile(path), two);
    EXPECT_FALSE(std::filesystem::exists(dir.file("none.cnf")));
    EXPECT_NE(run({QStringLiteral("--help")}).out.find("--move-map FROM TO"), std::string::npos);
}

}  // namespace
}  // namespace kelmor::test
