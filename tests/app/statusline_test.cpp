// The status bar's fields without the window: what the cell under the
// pointer or the cursor holds, the map's number, the mark and the tool.
#include <QLabel>
#include <QStatusBar>
#include <gtest/gtest.h>

#include "app/statusline.h"
#include "document/editsession.h"
#include "document/mapdocument.h"
#include "model/catalogue.h"
#include "model/palette.h"
#include "support/faultyfileops.h"
#include "support/maprows.h"
#include "support/tempdir.h"
#include "view/mapview.h"

namespace kelmor::test {
namespace {

class Status : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<std::string> rows = uniformRows('0');
        rows[2][3] = 'B';  // an entry of the palette
        rows[2][4] = 'Z';  // a code of nothing
        writeFile(dir.file("kelmor.cnf"), levelText({{"*MAP001", uniformRows('1')}, {"*MAP002", rows}}));
        const Palette palette = buildPalette(standardCatalogue());
        QStringList entries;
        for (const std::string& item : palette.items)
            entries.append(QString::fromStdString(item));
        session.setPalette(entries, palette.partsMax);
    }

    TempDir dir;
    FaultyFileOps ops;
    MapDocument doc{ops, dir.path(), "kelmor.cnf"};
    EditSession session{doc};
    QStatusBar bar;
    MapView view;
    StatusLine line{bar, doc, session, view};
};

TEST_F(Status, TheFieldsFollowTheDocumentThePointerAndTheCursor)
{
    doc.load(2);
    EXPECT_EQ(line.mapField()->text(), QStringLiteral("map No 2"));
    EXPECT_EQ(line.markField()->text(), QStringLiteral("変更なし"));
    doc.markPressed();
    EXPECT_EQ(line.markField()->text(), QStringLiteral("未保存の変更あり"));

    emit view.hovered(2, 4);
    EXPECT_EQ(line.cellField()->text(), QStringLiteral("列 4、行 2: コード「Z」はカタログの何も表しません"));
    EXPECT_EQ(line.cellField()->textFormat(), Qt::PlainText);
    // A cell put under the pointer shows at once.
    doc.writeCell({4, 2}, 'B');
    EXPECT_EQ(line.cellField()->text(),
              QStringLiteral("列 4、行 2: ") + session.paletteEntries()[*session.entryAt({3, 2})]);

    // The keyboard cursor: the field and what a screen reader is told.
    view.moveCursorTo(2, 3);
    EXPECT_TRUE(line.cellField()->text().startsWith(QStringLiteral("列 3、行 2: ")));
    EXPECT_EQ(view.accessibleDescription(), line.cellField()->text());

    line.showTool(QStringLiteral("ツール: ブラシ"));
    EXPECT_EQ(line.toolField()->text(), QStringLiteral("ツール: ブラシ"));
    // The level file by its name, its whole path as tool tip and description.
    ASSERT_EQ(line.fields().size(), 5);
    QLabel* level = line.fields().back();
    EXPECT_EQ(level->text(), QStringLiteral("kelmor.cnf"));
    EXPECT_EQ(level->toolTip(), QString::fromStdString(dir.file("kelmor.cnf")));
    EXPECT_EQ(level->accessibleDescription(), level->toolTip());
}

}  // namespace
}  // namespace kelmor::test
