// The form following the document by its signals, without the window.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <gtest/gtest.h>

#include "app/formcontrols.h"
#include "app/mapdisplay.h"
#include "app/statusline.h"
#include "document/editsession.h"
#include "document/mapdocument.h"
#include "document/tilesheet.h"
#include "model/catalogue.h"
#include "support/faultyfileops.h"
#include "support/maprows.h"
#include "support/tempdir.h"
#include "view/mapview.h"

namespace kelmor::test {
namespace {

TEST(MapDisplay, NumberHeaderAndCellsFollowTheDocument)
{
    TempDir dir;
    const std::string longHeader = "*" + std::string(200, 'L');
    writeFile(dir.file("kelmor.cnf"), levelText({{"*MAP001", uniformRows('1')}, {longHeader, uniformRows('2')}}));
    FaultyFileOps ops;
    MapDocument doc{ops, dir.path(), "kelmor.cnf"};
    EditSession session{doc};
    QWidget window;
    const FormControls ui(&window);
    QStatusBar bar;
    StatusLine status{bar, doc, session, *ui.Picture2};
    const Catalogue parts = standardCatalogue();
    const TileSheet none;
    MapDisplay display(doc, ui, parts, none, status, &window);

    doc.load(2);
    EXPECT_EQ(ui.Label1->text(), QStringLiteral("map No 2"));
    EXPECT_EQ(ui.Text1->text(), QString::fromStdString(longHeader));
    EXPECT_EQ(ui.Text1->cursorPosition(), 0);  // its start, where its name is
    const QImage before = ui.Picture2->grab().toImage();
    doc.writeCell({3, 4}, 'K');
    const QImage after = ui.Picture2->grab().toImage();
    EXPECT_NE(after.copy(3 * 16, 4 * 16, 16, 16), before.copy(3 * 16, 4 * 16, 16, 16));
    EXPECT_EQ(after.copy(5 * 16, 4 * 16, 16, 16), before.copy(5 * 16, 4 * 16, 16, 16));

    // Map numbers past 99 get a smaller font, never reaching the first button.
    doc.create(32767);
    EXPECT_EQ(ui.Label1->text(), QStringLiteral("map No 32767"));
    EXPECT_LT(ui.Label1->font().pixelSize(), ui.form->font().pixelSize());
    EXPECT_LE(ui.Label1->geometry().right(), ui.Command7->x());
}

}  // namespace
}  // namespace kelmor::test
