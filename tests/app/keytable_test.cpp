// The key table is the one source of the keys: every command's shortcuts
// come from it, and the key list, --help, the manual page and the README
// list exactly its rows.
#include <QAction>
#include <QRegularExpression>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>

#include "app/commandline.h"
#include "app/overviewwindow.h"
#include "app/widgetaction.h"
#include "model/keytable.h"
#include "app/openactions.h"
#include "app/recentfiles.h"
#include "support/formfixture.h"

namespace kelmor::test {
namespace {

class KeyTable : public FormTest {};

// Every row's keys with its description, as a document lists them.
using Listed = std::vector<std::pair<std::string, std::string>>;

Listed tableRows()
{
    Listed rows;
    for (const KeyRow& row : keyTable())
        rows.emplace_back(row.keys, row.english);
    return rows;
}

TEST_F(KeyTable, EveryShortcutComesFromTheTableAndEveryCommandOfTheTableExists)
{
    openOnThreeMaps();
    // What the window gains when an opener owns it (ファイル > 開く…).
    const RecentFiles recent(QString::fromStdString(dir.file("recent.ini")));
    new OpenActions(*form, recent);
    form->findChild<QAction*>(QStringLiteral("overviewAction"))->trigger();
    ASSERT_NE(form->overview(), nullptr);
    std::map<std::string, QAction*> actions;
    for (QObject* owner : {static_cast<QObject*>(form.get()), static_cast<QObject*>(form->overview())})
        for (QAction* action : owner->findChildren<QAction*>())
            if (!action->objectName().isEmpty())
                actions[action->objectName().toStdString()] = action;

    for (const auto& [name, action] : actions) {
        SCOPED_TRACE(name);
        EXPECT_EQ(action->shortcuts(), shortcutsOf(name.c_str()));
        if (!action->shortcuts().isEmpty()) {
            EXPECT_FALSE(keysOfAction(name).empty());
        }
    }
    std::set<std::string> keyNames;
    for (const KeyRow& row : keyTable()) {
        const std::vector<std::string> keys = splitKeyList(row.keys);
        keyNames.insert(keys.begin(), keys.end());
        if (row.actions == nullptr)
            continue;
        const std::vector<std::string> names = splitKeyList(row.actions);
        EXPECT_TRUE(names.size() == 1 || names.size() == keys.size()) << row.actions;
        for (const std::string& name : names) {
            ASSERT_TRUE(actions.count(name)) << name << " is in the key table but no command has that name";
            for (const QKeySequence& key : shortcutsOf(name.c_str()))
                EXPECT_FALSE(key.isEmpty() || key.toString().contains(QStringLiteral("?"))) << name;
        }
    }
    // One spelling for each key name.
    for (const std::string& key : keyNames)
        EXPECT_FALSE(QString::fromStdString(key).contains(
            QRegularExpression(QStringLiteral("\\b(PgUp|PgDown|PgDn|Esc|Ins|Del|Return|Up arrow)\\b"))))
            << key;
}

TEST_F(KeyTable, TheKeyListAndHelpShowEveryRow)
{
    openOnThreeMaps();
    form->findChild<QAction*>(QStringLiteral("keysAction"))->trigger();
    ASSERT_FALSE(asker.notices.empty());
    const std::string help = usageText();
    for (const KeyRow& row : keyTable()) {
        EXPECT_TRUE(asker.notices.back().contains(QString::fromUtf8(row.japanese))) << row.japanese;
        EXPECT_NE(help.find(row.keys), std::string::npos) << row.keys;
        // Wrapped to the terminal's width, word for word.
        std::string words = row.english;
        std::replace(words.begin(), words.end(), ' ', '\n');
        std::string wrapped = help;
        std::replace(wrapped.begin(), wrapped.end(), ' ', '\n');
        wrapped = QString::fromStdString(wrapped)
                      .replace(QRegularExpression(QStringLiteral("\n+")), QStringLiteral("\n"))
                      .toStdString();
        EXPECT_NE(wrapped.find(words), std::string::npos) << row.english;
    }
}

// The manual page's KEYS section: ".TP", ".B keys", then the description.
Listed manPageKeys()
{
    QString page = QString::fromStdString(readFile(KELMOR_MAN_PAGE));
    page.replace(QStringLiteral("\\-"), QStringLiteral("-")).replace(QStringLiteral("\\(dq"), QStringLiteral("\""));
    const qsizetype start = page.indexOf(QStringLiteral("\n.SH KEYS\n"));
    const qsizetype end = page.indexOf(QStringLiteral("\n.SH "), start + 1);
    Listed rows;
    for (const QString& entry : page.mid(start, end - start).split(QStringLiteral("\n.TP\n")).mid(1)) {
        const QStringList lines = entry.split(QLatin1Char('\n'));
        rows.emplace_back(lines.value(0).mid(3).toStdString(), lines.mid(1).join(QLatin1Char(' ')).toStdString());
    }
    return rows;
}

// The README's "## Keys" table: "| keys | description |" rows.
Listed readmeKeys()
{
    const QString readme = QString::fromStdString(readFile(KELMOR_README));
    const qsizetype start = readme.indexOf(QStringLiteral("\n## Keys\n"));
    Listed rows;
    for (const QString& line : readme.mid(start).split(QLatin1Char('\n')).mid(2)) {
        if (line.isEmpty() || line.startsWith(QStringLiteral("|---")) || line.startsWith(QStringLiteral("| key ")))
            continue;
        if (!line.startsWith(QLatin1Char('|')))
            break;
        QStringList cells = line.split(QStringLiteral(" | "));
        cells.first().remove(0, 2);
        cells.last().chop(2);
        rows.emplace_back(cells.first().replace(QStringLiteral("\\|"), QStringLiteral("|")).toStdString(),
                          cells.last().toStdString());
    }
    return rows;
}

TEST_F(KeyTable, TheManualPageAndTheReadmeListTheTable)
{
    EXPECT_EQ(manPageKeys(), tableRows());
    EXPECT_EQ(readmeKeys(), tableRows());
}

}  // namespace
}  // namespace kelmor::test
