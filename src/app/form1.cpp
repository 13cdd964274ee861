// The window: the form and what stands around it, start-up and closing.
#include "app/form1.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <filesystem>

#include "app/asker.h"
#include "app/commandactions.h"
#include "app/mapdisplay.h"
#include "app/palettecontrol.h"
#include "app/messages.h"
#include "app/outsidechanges.h"
#include "app/overviewcontrol.h"
#include "app/recoveryoffer.h"
#include "app/statusline.h"
#include "tools/toolregistry.h"
#include "view/mapview.h"
#include "view/palettepanel.h"

namespace kelmor {

namespace {
// The folder as an absolute path with no trailing slash: the level file's
// path is the folder, a slash and its name, in notices and recovery files.
std::string absoluteFolder(const std::string& folder)
{
    std::string path = std::filesystem::absolute(folder).lexically_normal().string();
    if (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}
}  // namespace

Form1::Form1(const std::string& folder, Asker& asker, FileOps& fileOps, FileOps* recoveryOps)
    : Form1(folder, kLevelFileName, asker, fileOps, recoveryOps)
{}

Form1::Form1(const std::string& folder, const std::string& levelName, Asker& asker, FileOps& fileOps,
             FileOps* recoveryOps)
    : ui_(this),
      folder_(absoluteFolder(folder)),
      asker_(asker),
      document_(fileOps, folder_, levelName, recoveryOps),
      tiles_(fileOps, folder_),
      saving_(document_, asker_, [this] { overview_->followLevel(); }),
      navigation_(document_, asker_,
                  {[this] { return saving_.saveIfEdited(); },
                   [this](bool enabled) { commands_->setMapCommandsEnabled(enabled); },
                   [this] {
                       if (outsideChanges_ != nullptr)
                           outsideChanges_->hideBar();
                   }})
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("kelmor-x map editor"));
    setCentralWidget(ui_.form);
    connect(ui_.Picture2, &MapView::pressed, this, &Form1::Picture2_MouseDown);
    connect(ui_.Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    createActions();
    createPanels();
    createTools();
    createMenus();
    followDocument();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::createPanels()
{
    // The palette of pictures beside the form, the status bar under it.
    palette_ = new PaletteControl(*ui_.Combo1, session_, *this);
    setTabOrder(ui_.Command7, palette_->panel());
    statusLine_ = new StatusLine(*statusBar(), document_, session_, *ui_.Picture2);
    statusLine_->showTool(toolRegistry().front().statusText());
}

void Form1::followDocument()
{
    display_ = new MapDisplay(document_, ui_, parts_, tiles_.sheet(), *statusLine_, this);
    connect(&document_.recovery(), &RecoveryPolicy::failed, this,
            [this](const FileFailure& failure) { asker_.notify(recoveryFailureText(failure)); });
}

void Form1::Form_Load()
{
    parts_ = standardCatalogue();
    palette_->fill(parts_);
    std::error_code ignored;  // a folder that cannot be entered is told when its files cannot be read
    std::filesystem::current_path(folder_, ignored);
    ui_.Picture1->hide();
    ui_.Picture2->resize(560, ui_.Picture2->height());
    ui_.Picture2->resize(ui_.Picture2->width(), 272);
    if (const TileSheet::Status status = tiles_.load(); status != TileSheet::Status::Loaded)
        asker_.notify(tileSheetFailureText(status));
    palette_->draw(parts_, tiles_.sheet());
    subMapload(1);
    // An editor that died while saving left its scratch file; its edits are
    // in its recovery file.
    document_.levelFile().removeStaleScratch();
    offerRecovery(document_, asker_, [this](MapNumber mapNo) { subMapload(mapNo); });
    watchFiles();
}

QMenu* Form1::createPopupMenu()
{
    // The bars are shown and hidden from 表示 alone, which then always tells
    // the truth.
    return nullptr;
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!Form_Unload()) {
        event->ignore();
        return;
    }
    document_.close();
    event->accept();
}

}  // namespace kelmor
