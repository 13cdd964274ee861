#pragma once

#include <QMainWindow>
#include <cstdint>
#include <optional>

#include "app/formcontrols.h"
#include "app/mapnavigation.h"
#include "app/mapsaving.h"
#include "document/editsession.h"
#include "document/mapdocument.h"
#include "document/tilesheetkeeper.h"
#include "model/catalogue.h"
#include "model/mapnumber.h"

class QMenu;

namespace kelmor {

class Asker;
class CommandActions;
class MapDisplay;
class MapKeyActions;
class OutsideChanges;
class OverviewControl;
class OverviewWindow;
class PaletteControl;
class SelectionActions;
class StatusLine;
class ToolActions;
class ToolBox;

// The editor window: the form of thirteen controls under a menu bar. It shows
// the document, which owns the session, and decides what to ask and what to
// say; each procedure is a thin step over the document and the view.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    // `folder` is where the level file and the tile sheet live: the program's
    // own folder in production, a folder of their own in tests. Start-up runs
    // here, so its notices and questions come before the window is shown.
    // The recovery file is written through `recoveryOps`, by default the real
    // file system: it is written on a thread of its own, apart from the level file's.
    // Paths are the system's bytes, whatever their encoding: only what is
    // shown of them is ever converted.
    Form1(const std::string& folder, Asker& asker, FileOps& fileOps, FileOps* recoveryOps = nullptr);
    // The same on a level file of another name in that folder.
    Form1(const std::string& folder, const std::string& levelName, Asker& asker, FileOps& fileOps,
          FileOps* recoveryOps = nullptr);
    ~Form1() override;

    using SaveOutcome = MapSaving::Outcome;

    MapDocument& document() { return document_; }
    const MapDocument& document() const { return document_; }
    // The palette's code and the selection.
    EditSession& session() { return session_; }
    // The 565 x 329 form that holds the controls, under the menu bar.
    QWidget* form() const { return ui_.form; }

    // Procedures.
    void subMapload(MapNumber wanted);
    void subDraw();
    SaveOutcome savemap();
    void clearmap();
    // Nothing when the level file could not be counted; the user has been told.
    std::optional<std::int64_t> fncMapmax();

    // Handlers.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Picture2_MouseDown(int button, int shift, float x, float y);
    void Text1_Change();
    // Asks for a map number and goes there, as the navigation buttons go.
    void goToMap();
    // マップ一覧, null until first shown.
    OverviewWindow* overview() const;
    // False when the window must stay open: a save that was asked for failed.
    bool Form_Unload();

protected:
    void closeEvent(QCloseEvent* event) override;
    QMenu* createPopupMenu() override;

private:
    void createActions();
    void createMenus();
    // The palette of pictures, the status bar and the 表示 menu's actions.
    void createPanels();
    // The tools, the selection and the clipboard.
    void createTools();
    void followDocument();
    void Form_Load();
    // Following the level file and the tile sheet when another program
    // changes them.
    void watchFiles();
    void followTileSheet();

    // The form's thirteen controls, by the names the program has always used.
    FormControls ui_;

    std::string folder_;
    Asker& asker_;
    MapDocument document_;
    // The palette's code and the selection, beside the document.
    EditSession session_{document_};
    Catalogue parts_;
    // The tile sheet as last read.
    TileSheetKeeper tiles_;
    MapSaving saving_;
    MapNavigation navigation_;

    ToolActions* toolActions_ = nullptr;
    CommandActions* commands_ = nullptr;
    SelectionActions* selectionActions_ = nullptr;
    ToolBox* toolBox_ = nullptr;
    MapKeyActions* keyActions_ = nullptr;
    OverviewControl* overview_ = nullptr;

    OutsideChanges* outsideChanges_ = nullptr;

    PaletteControl* palette_ = nullptr;
    StatusLine* statusLine_ = nullptr;
    // The document on the form: its signals keep the controls in step.
    MapDisplay* display_ = nullptr;
};

}  // namespace kelmor
