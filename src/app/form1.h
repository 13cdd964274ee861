#pragma once

#include <QTimer>
#include <QUndoStack>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>

#include "app/headercodec.h"
#include "edit/cellpick.h"
#include "levelfile/levelfile.h"
#include "levelfile/recovery.h"
#include "levelfile/recoveryfiles.h"
#include "levelfile/recoverykeeper.h"
#include "model/catalogue.h"
#include "model/mapgrid.h"
#include "view/tilesheet.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kelmor {

class Asker;
class MapView;

// The editor window. It owns the whole state of a run; each procedure is a
// thin step over the model, level file, edit and view layers.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // `folder` is where the level file and the tile sheet live: the program's
    // own folder in production, a folder of their own in tests. Start-up runs
    // here, so its notices and questions come before the window is shown.
    // The recovery file is written through `recoveryOps`, by default the real
    // file system: it is written on a thread of its own, apart from the level file's.
    Form1(const QString& folder, Asker& asker, FileOps& fileOps, FileOps* recoveryOps = nullptr);
    // The same on a level file of another name in that folder.
    Form1(const QString& folder, const QString& levelName, Asker& asker, FileOps& fileOps,
          FileOps* recoveryOps = nullptr);
    ~Form1() override;

    enum class SaveOutcome { Saved, Declined, Failed };

    // The controls, by the names the program has always used.
    QLabel* Label1 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command6 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    MapView* Picture2 = nullptr;
    QWidget* Picture1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command3 = nullptr;

    // State.
    MapGrid mapLine;
    Catalogue parts;               // partsName, partsTile
    std::int16_t partsMax = 0;
    std::int16_t mapNo = 0;
    std::int16_t mapEdited = 0;
    TileSheet tileSheet;           // the picture that Picture1 holds

    // Procedures.
    void subMapload();
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
    // False when the window must stay open: a save that was asked for failed.
    bool Form_Unload();

    // The map's history: placed cells and erases of the map on display,
    // emptied when another map is loaded or one is created. The unsaved
    // mark follows it: back at the state of the last load or save, the map
    // counts as unchanged.
    const QUndoStack& history() const { return history_; }
    void undoEdit();
    void redoEdit();
    // What the history's steps do to the map.
    void writeCell(CellPos cell, char code);
    void writeRows(const MapGrid& rows);

    // The recovery file keeps the unsaved map on screen beside the level
    // file, a moment after each change, so that a crash or a kill loses
    // nothing; it goes when the map is saved or its edits are given up.
    // Brings it up to date now and waits until it is written.
    void settleRecovery();

protected:
    void closeEvent(QCloseEvent* event) override;
    // The keys of the buttons and of the history, wherever the focus is,
    // unless the focused control uses the key itself.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void Form_Load();
    void buildCatalogueAndPalette();
    void setCommandsEnabled(bool enabled);
    // The unsaved-changes check; false when a save was asked for and failed,
    // so that the action must not go on and drop the edits.
    bool saveIfEdited();
    void reportSaveFailure(const SaveReport& report);
    // `stopped` says what cannot go on, as in "マップを作成できません".
    void reportCountFailure(const FileFailure& failure, const QString& stopped);
    void reportOverflow();
    void showMapNo(std::int64_t number);
    void reportDamage(const LoadedMap& loaded);
    // Tells a screen reader the keyboard cursor's cell and what it holds.
    void describeCursor();
    // The system's own words for an errno, for the notices.
    static QString reasonOf(int error);
    QString levelName() const { return QString::fromStdString(levelFile_.name()); }
    MapRows rowsOnScreen() const;

    void scheduleRecovery();
    void updateRecovery();
    bool differsFromFile() const;
    void offerRecovery();
    void restoreRecovery(const Recovery& recovery);
    void setRecoveryAside(RecoveryOrphan& orphan, RecoveryUse use, const std::optional<Recovery>& recovery);
    void reportRecoveryFailure(const FileFailure& failure);

    QString folder_;
    Asker& asker_;
    LevelFile levelFile_;
    HeaderCodec headerCodec_;
    QUndoStack history_;
    // Set when the map on screen was read damaged: saving it would cut a long
    // line or copy another map's header into it.
    bool unsavable_ = false;
    // The map that a save is meant to replace: the one loaded or last saved.
    MapOrigin origin_;
    // The map as the level file holds it (loaded or saved), to tell whether
    // the map on screen has anything to recover.
    std::string fileHeader_;
    MapRows fileRows_;
    bool filteringHeader_ = false;

    std::unique_ptr<FileOps> ownRecoveryOps_;
    RecoveryFiles recoveryFiles_;
    // A burst of changes is written once, a moment after its first change.
    QTimer recoveryTimer_;
    // Set by a change of the map or header, cleared when it is saved, when
    // its save is declined and when another map is loaded.
    bool recoveryDue_ = false;
    // Last, so that its thread ends before anything it reports to goes.
    std::unique_ptr<RecoveryKeeper> recoveryKeeper_;
};

}  // namespace kelmor
