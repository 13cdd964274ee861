// The palette's box and pictures without the editor's window: both show the
// session's entry, and what is chosen or typed in either is what it holds.
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QMainWindow>
#include <gtest/gtest.h>

#include "app/palettecontrol.h"
#include "document/editsession.h"
#include "document/mapdocument.h"
#include "model/catalogue.h"
#include "support/faultyfileops.h"
#include "support/maprows.h"
#include "support/tempdir.h"
#include "view/palettepanel.h"
#include "document/tilesheet.h"

namespace kelmor::test {
namespace {

TEST(PaletteAlone, TheBoxThePicturesAndTheSessionAgree)
{
    TempDir dir;
    writeFile(dir.file("kelmor.cnf"), levelText({{"*MAP001", uniformRows('1')}}));
    FaultyFileOps ops;
    MapDocument doc(ops, dir.path(), "kelmor.cnf");
    EditSession session(doc);
    QMainWindow window;
    auto* box = new QComboBox(&window);
    box->setEditable(true);
    PaletteControl palette(*box, session, window);
    const Catalogue parts = standardCatalogue();
    palette.fill(parts);
    palette.draw(parts, TileSheet());
    ASSERT_GT(box->count(), 3);
    EXPECT_EQ(box->count(), session.paletteEntries().size());
    EXPECT_EQ(session.paletteText(), box->itemText(0));

    emit palette.panel()->chosen(3);  // a picture clicked
    EXPECT_EQ(box->currentIndex(), 3);
    EXPECT_EQ(session.paletteText(), box->itemText(3));

    box->setEditText(QStringLiteral("Q"));  // typed in the box
    EXPECT_EQ(session.paletteText(), QStringLiteral("Q"));
    emit palette.panel()->chosen(3);  // the same picture again: the typed text gives way
    EXPECT_EQ(box->currentText(), box->itemText(3));

    window.show();
    auto* dock = window.findChild<QDockWidget*>(QStringLiteral("paletteDock"));
    ASSERT_NE(dock, nullptr);
    EXPECT_TRUE(dock->isVisible());
    palette.showingAction()->toggle();
    EXPECT_FALSE(dock->isVisible());
}

}  // namespace
}  // namespace kelmor::test
