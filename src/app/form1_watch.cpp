// Following the level file and the tile sheet when another program changes
// them: a map without edits is loaded again, one with edits is kept and the
// bar in the status bar line offers to load it again; a file that cannot be
// read again changes nothing on screen.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QStatusBar>

#include "app/asker.h"
#include "app/changebar.h"
#include "app/form1.h"
#include "app/messages.h"
#include "app/widgetaction.h"
#include "app/tilesheetfile.h"
#include "document/filewatch.h"
#include "model/palette.h"
#include "view/mapview.h"
#include "view/palettepanel.h"

namespace kelmor {

namespace {
constexpr int kStatusMs = 10000;
}

void Form1::watchFiles()
{
    reloadAction_ = new QAction(QStringLiteral("再読み込み"), this);
    reloadAction_->setObjectName(QStringLiteral("reloadAction"));
    reloadAction_->setShortcuts(shortcutsOf("reloadAction"));
    reloadAction_->setToolTip(QStringLiteral("画面の変更を捨てて、ファイルから読み込み直す (Alt+R)"));
    keepAction_ = new QAction(QStringLiteral("このまま"), this);
    keepAction_->setObjectName(QStringLiteral("keepAction"));
    keepAction_->setShortcuts(shortcutsOf("keepAction"));
    keepAction_->setToolTip(QStringLiteral("画面の変更で編集を続ける。保存するときは上書きを確認します (Alt+K)"));
    // Their keys work while they are enabled, whatever the status bar shows.
    addAction(reloadAction_);
    addAction(keepAction_);
    changeBar_ = new ChangeBar(reloadAction_, keepAction_);
    statusBar()->addPermanentWidget(changeBar_, 1);
    // The line is as tall as the bar makes it, whether the bar shows or not.
    statusBar()->setMinimumHeight(statusBar()->sizeHint().height());
    hideChangeBar();

    connect(reloadAction_, &QAction::triggered, this, [this] {
        hideChangeBar();
        const MapLoad result = document_.reread();
        if (!MapDocument::rereadShows(result)) {
            // The edits are all there is of this map now: they stay, marked.
            asker_.notify(rereadFailureText(result, levelName(), document_.mapNo()));
            return;
        }
        document_.declineSave();  // the edits are given up, as by No to the save question
        showLoaded(result);
    });
    connect(keepAction_, &QAction::triggered, this, [this] {
        hideChangeBar();
        document_.acceptOutsideChange();
    });

    watch_ = new FileWatch({document_.levelFile().path(), tileSheetPath(folder_)}, this);
    connect(watch_, &FileWatch::settled, this, &Form1::followOutsideChanges);
}

void Form1::followOutsideChanges()
{
    // Never in the middle of a question, a save's question or a press.
    if (QApplication::activeModalWidget() != nullptr || QApplication::mouseButtons() != Qt::NoButton) {
        watch_->later();
        return;
    }
    followTileSheet();
    followLevelInOverview();
    switch (document_.outsideChange()) {
    case OutsideChange::None: break;
    case OutsideChange::Gone:
        if (!goneTold_)
            showChangeBar(
                QStringLiteral("%1 が見つからないか、読めなくなりました。画面のマップはそのまま残っています。")
                    .arg(levelName()),
                false);
        goneTold_ = true;
        return;
    case OutsideChange::Changed:
        if (document_.differsFromFile()) {
            if (!changeBar_->isVisible() || !reloadAction_->isEnabled())
                showChangeBar(QStringLiteral("%1 がほかのプログラムで変更されました。"
                                             "このマップには保存していない変更があります。")
                                  .arg(levelName()),
                              true);
            break;
        }
        reloadUnedited();
        break;
    }
    goneTold_ = false;
}

void Form1::reloadUnedited()
{
    const MapLoad result = document_.reread();
    if (!MapDocument::rereadShows(result)) {
        // Nothing on screen changes: the map keeps its number and its origin.
        statusBar()->showMessage(rereadFailureText(result, levelName(), document_.mapNo()), kStatusMs);
        return;
    }
    showLoaded(result);
    statusBar()->showMessage(QStringLiteral("%1 がほかのプログラムで変更されたため、map No %2 を読み込み直しました。")
                                 .arg(levelName())
                                 .arg(document_.mapNo()),
                             kStatusMs);
}

void Form1::followTileSheet()
{
    FileStamp now;
    const int error = stampFile(fileOps_, tileSheetPath(folder_), now);
    if (judgeOutsideChange(tileStamp_, now, error) != OutsideChange::Changed)
        return;
    TileSheet sheet;
    if (readTileSheet(sheet) != TileSheet::Status::Loaded) {
        statusBar()->showMessage(
            QStringLiteral("kelmor.bmp が変更されましたが読み込めないため、前のタイルで表示しています。"), kStatusMs);
        return;
    }
    tileSheet_ = sheet;
    palettePanel_->setEntries(buildPalette(parts_), parts_, tileSheet_);
    palettePanel_->select(Combo1->currentIndex());
    subDraw();
    followTileSheetInOverview();
    statusBar()->showMessage(QStringLiteral("kelmor.bmp が変更されたため、読み込み直しました。"), kStatusMs);
}

QLabel* Form1::changeText() const
{
    return changeBar_->text();
}

void Form1::showChangeBar(const QString& text, bool canReload)
{
    // The bar takes the line of the status fields while it shows.
    for (QLabel* field : {cellStatus_, mapStatus_, markStatus_, toolStatus_})
        field->hide();
    changeBar_->tell(text, canReload);
}

void Form1::hideChangeBar()
{
    changeBar_->dismiss();
    for (QLabel* field : {cellStatus_, mapStatus_, markStatus_, toolStatus_})
        field->show();
}

}  // namespace kelmor
