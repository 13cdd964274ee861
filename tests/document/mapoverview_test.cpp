// The overview's list of maps, without a window.
#include <QCoreApplication>
#include <gtest/gtest.h>

#include "document/mapoverview.h"
#include "support/faultyfileops.h"
#include "support/tempdir.h"

namespace kelmor::test {
namespace {

class Overview : public ::testing::Test {
protected:
    QString text(int row, int role = Qt::DisplayRole) const { return maps.index(row, 0).data(role).toString(); }
    QByteArray rows(int row) const { return maps.index(row, 0).data(MapOverview::RowsRole).toByteArray(); }
    static QByteArray joined(const std::vector<std::string>& rows)
    {
        QByteArray all;
        for (const std::string& r : rows)
            all += QByteArray::fromStdString(r) + '\n';
        return all;
    }

    TempDir dir;
    FaultyFileOps ops;
    LevelFile level{ops, dir.path()};
    MapOverview maps{level};
};

TEST_F(Overview, EveryMapByTheLoadersRuleWithItsHeaderStateAndRows)
{
    std::vector<std::string> damaged = uniformRows('2');
    damaged[4] = "*STRAY";
    std::string bytes =
        "before the first map\r\n" +
        levelText({{"*MAP 001", uniformRows('1')}, {"*MAP002", damaged}, {"*MAP003", uniformRows('3')}});
    bytes += "*MAP004\r\n00000\r\n";  // cut off
    writeFile(dir.file("kelmor.cnf"), bytes);
    ASSERT_TRUE(maps.refresh());
    maps.listAll();
    EXPECT_FALSE(maps.failure().failed());
    // The row with a "*" in map 2 is passed over as a row, as loading does.
    ASSERT_EQ(maps.rowCount(), 4);
    EXPECT_EQ(text(0), QStringLiteral("map No 1: *MAP001"));  // as the header box shows it
    EXPECT_EQ(text(0, Qt::AccessibleTextRole), text(0));
    EXPECT_EQ(text(1), QStringLiteral("map No 2: *MAP002（壊れています）"));
    EXPECT_EQ(text(3), QStringLiteral("map No 4: *MAP004（途中で切れています）"));
    EXPECT_EQ(maps.index(2, 0).data(MapOverview::StateRole).toInt(), MapOverview::Whole);
    EXPECT_EQ(rows(2), joined(uniformRows('3')));
    EXPECT_EQ(rows(1), joined(damaged));
    EXPECT_EQ(maps.rowOf(3), 2);
    EXPECT_EQ(maps.rowOf(5), -1);
    EXPECT_FALSE(maps.refresh());  // the same file: not read again

    // Rows are never read from a file that is not the one listed: it is
    // listed again instead.
    writeFile(dir.file("kelmor.cnf"), levelText({{"*NEW", uniformRows('9')}}));
    EXPECT_TRUE(rows(0).isEmpty());
    QCoreApplication::processEvents();
    ASSERT_EQ(maps.rowCount(), 1);
    EXPECT_EQ(rows(0), joined(uniformRows('9')));
}

TEST_F(Overview, PastTheLastMapNumberAndAFileThatCannotBeRead)
{
    std::string map = "*\r\n";
    for (int r = 0; r < 17; ++r)
        map += "0\r\n";
    std::string bytes;
    for (int n = 0; n <= kLastMapNo; ++n)
        bytes += map;
    writeFile(dir.file("kelmor.cnf"), bytes);
    maps.refresh();
    // The first part at once, for the first screen; the rest from the event loop.
    EXPECT_LT(maps.rowCount(), 1000);
    EXPECT_TRUE(maps.listing());
    while (maps.listing())
        QCoreApplication::processEvents();
    ASSERT_EQ(maps.rowCount(), kLastMapNo + 1);  // listed, past the number a map can be opened by
    EXPECT_EQ(maps.index(kLastMapNo, 0).data(MapOverview::MapNoRole).toLongLong(), kLastMapNo + 1);
    EXPECT_EQ(rows(kLastMapNo), QByteArray("0\n").repeated(17));

    ops.failAt(FaultyFileOps::Step::OpenRead, EACCES);
    maps.refresh(true);
    EXPECT_TRUE(maps.failure().failed());
    EXPECT_EQ(maps.rowCount(), 0);
}

}  // namespace
}  // namespace kelmor::test
