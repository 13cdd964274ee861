#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "document/headercodec.h"
#include "document/letgoedits.h"
#include "document/recoverypolicy.h"
#include "edit/cellgeometry.h"
#include "levelfile/levelfile.h"
#include "recovery/recovery.h"
#include "model/mapgrid.h"
#include "model/mapnumber.h"

namespace kelmor {

// The editing session: the map on screen (its number, header and rows), where
// it came from in the level file, its history and whether it is unsaved. Every
// change goes through one method and is announced by a signal, which the
// window and the view follow; the window only decides what to ask and say.
class MapDocument : public QObject {
    Q_OBJECT

public:
    // The level file `levelName` in `folder`, read and saved through
    // `fileOps`; the recovery file is written through `recoveryOps`, by
    // default the real file system, on a thread of its own.
    MapDocument(FileOps& fileOps, const std::string& folder, const std::string& levelName,
                FileOps* recoveryOps = nullptr);
    ~MapDocument() override;

    const LevelFile& levelFile() const { return levelFile_; }
    // The level file as the user knows it, for what the window says.
    QString levelName() const { return QString::fromStdString(levelFile_.name()); }
    // Its whole path, the system's bytes decoded as file names are.
    QString levelPath() const;
    // The level file as it is now, read for the window to put on screen
    // (see loaded) or to count its maps: nothing here changes until then.
    MapLoad readMap(MapNumber wanted) const { return levelFile_.load(wanted); }
    // Counted and read in one pass: the last map, as the count ends.
    MapLoad readLastMap() const { return levelFile_.loadLast(); }
    MapCount countMaps() const { return levelFile_.countMaps(); }
    // The maps a new map's number goes after: every header, damaged or not.
    MapCount countHeaders() const { return levelFile_.countHeaders(); }
    MapNumber mapNo() const { return mapNo_; }
    // The header as the header box shows it: filtered, within the loader's limit.
    const QString& header() const { return header_; }
    // The header in the bytes it is saved in.
    std::string headerBytes() const { return headerCodec_.encode(header_); }
    const MapRows& rows() const { return rows_; }
    const MapOrigin& origin() const { return origin_; }
    // Read damaged (a line over the limit, another map's header among its
    // rows): saving it would cut a line or copy that header, so it never is.
    bool unsavable() const { return unsavable_; }
    // Read with fewer than 17 rows.
    bool cutOff() const { return cutOff_; }
    QUndoStack& history() { return history_; }
    const QUndoStack& history() const { return history_; }

    // Whether leaving the map asks to save it first. Every press on the map
    // (a pick included), an erase and a create set it; the save question
    // clears it on either answer, unless a Yes does not get the map saved.
    // Loading and the header box alone leave it as it is. Undo and redo clear
    // it only back at the rows and the header of the last load or save.
    bool marked() const { return marked_; }
    // The header or the rows differ from the map as the level file holds it
    // (as loaded or saved); a created map always does. Such a map is kept in
    // the recovery file.
    bool differsFromFile() const;

    // Map `wanted`, or the last map when the file has fewer: see loaded.
    MapLoad load(MapNumber wanted);
    // Puts a map read from the level file on screen (nothing is changed when
    // none was found). The history starts again, with it as its saved state.
    void loaded(const MapLoad& result);
    // A blank map under "*MAP" and `number`, unsaved until it is saved.
    void create(MapNumber number);
    // The rows on screen as a new map under "*MAP" and `number`, unsaved
    // until it is saved.
    void duplicate(MapNumber number);
    // Writes the map under its header; `overwrite` is asked, with no file
    // held, before a map that is not the one loaded is replaced, and once
    // more when that map changed again meanwhile; a third change is left in
    // `conflict`. On success the map is unmarked and its state the saved one.
    SaveReport save(const std::function<bool(MapNumber other)>& overwrite);
    // No to the save question: the edits stay on screen, unmarked, and are
    // not kept for a crash either.
    void declineSave();
    // Puts a recovery file's map on screen, unsaved, and takes the file as
    // this editor's own. A loaded map's number is loaded first, by the caller.
    void restore(const Recovery& recovery, RecoveryOrphan orphan);
    // Puts edits let go of back on screen as a recovered map is put back:
    // marked, and kept for a crash. A loaded map's number is loaded first.
    void putBack(const Recovery& edits);
    // The maps left while they differed from the file, until the editor
    // closes: kept whenever the map on screen is replaced by another.
    const LetGoEdits& letGo() const { return letGo_; }
    LetGoEdits& letGo() { return letGo_; }
    // Closing: nothing is kept, and the recovery file is gone on return.
    void close();
    // Another level file is opened in this one's place: the map on screen is
    // kept among the edits let go of when it differs from the file.
    void leave() { keepIfLetGo(); }

    // What became of the level file since this editor last loaded or saved
    // it: only another program's change counts, never this editor's own
    // saves, its scratch file or any recovery file.
    OutsideChange outsideChange() const;
    // The map on screen read again after another program's change, for the
    // caller to put on screen (see loaded) when `rereadShows` says it may.
    // A file that cannot be read is not judged a change again until it
    // changes once more; later changes are judged against the file last read.
    MapLoad reread();
    // Whether a map read again takes the place of the one on screen: only
    // when the file was read to its end and holds a map.
    static bool rereadShows(const MapLoad& result) { return !result.failure.failed() && result.map.found; }
    // Keeps editing over another program's change: it is not told again,
    // and the save still asks before it overwrites a map that changed.
    void acceptOutsideChange();

    // Moves, inserts or deletes a map of the level file (see
    // LevelFile::changeOrder), refused when the file is no longer as it was
    // at `listed`. The map on screen stays the same map under its new number,
    // origin and recovery file included; a created map not yet saved becomes
    // the one after the last. The map on screen deleted is the caller's to
    // replace (`deletedOnScreen`). The bytes before and after are kept in
    // the report for undoing it.
    OrderReport changeOrder(const MapOrderChange& change, const FileStamp& listed);
    // Writes `bytes` back while the file holds `expected` (an order change
    // undone or done again), the map on screen renumbered by `renumber`, the
    // file holding `count` maps afterwards.
    OrderReport replaceOrder(std::string_view expected, std::string_view bytes, const MapOrderChange& renumber,
                             std::int64_t count);
    // The map on screen was deleted from the file by the last order change.
    bool deletedOnScreen() const { return deletedOnScreen_; }

    // A press on the map: marked, whatever it does.
    void markPressed();
    // Whether putting codes that change nothing is a step of the history.
    // A pen press always is, so that an undo after it answers to the press.
    enum class StepWhen { Changed, Always };
    // Puts codes into cells as one step of the history; the cells a row does
    // not have are left out. Steps of the same `stroke` (not 0) merge into
    // one. Returns how many cells changed.
    int putCells(const std::vector<std::pair<CellPos, char>>& cells, const QString& text, int stroke = 0,
                 StepWhen when = StepWhen::Changed);
    // Erases the map to the blank template as one step of the history.
    void erase();
    // The header box's text, filtered as the box always filters it; returns
    // what the box is to show. Never marks the map.
    QString editHeader(const QString& text);

    // What the history's steps do to the map.
    void writeCell(CellPos cell, char code);
    void writeRows(const MapRows& rows);

    RecoveryPolicy& recovery() { return *recovery_; }
    // Brings the recovery file up to date now and waits until it is written.
    void settleRecovery() { recovery_->settle(); }

signals:
    void mapNoChanged(MapNumber mapNo);
    void headerChanged(const QString& header);
    void rowsChanged();
    void cellChanged(CellPos cell);
    void markedChanged(bool marked);
    // The map on screen was replaced as a whole (loaded, created, duplicated,
    // restored): what was chosen on the old one means nothing on it.
    void mapReplaced();
    // The map on screen was written into the level file.
    void saved();

private:
    // The map on screen is about to be replaced: its edits are kept when it
    // differs from the file.
    void keepIfLetGo();
    // A recovered or let-go map on screen, marked.
    void showEdits(const Recovery& edits);
    void setMapNo(MapNumber number);
    // The map on screen after this editor changed the maps' order.
    void followOrder(const OrderReport& report, const MapOrderChange& change, std::int64_t count);
    // The map on screen becomes a new map `number`, not in the file yet.
    void becomeNew(MapNumber number);
    void setHeader(const QString& text);
    // Without commas and blanks, as the header box always kept it, and
    // within the loader's limit in the bytes it is saved in.
    QString filteredHeader(QString text) const;
    void setMarked(bool marked);
    // A new history: clean at the map on screen, or with no clean state at all.
    void startHistory(bool clean);
    void historyMoved();
    std::optional<Recovery> unsaved() const;

    LevelFile levelFile_;
    HeaderCodec headerCodec_;
    MapNumber mapNo_ = 1;
    QString header_;
    MapRows rows_;
    MapOrigin origin_;
    // The level file as this editor last read or wrote it.
    FileStamp knownStamp_;
    // The version of the file that could not be read again, told once.
    FileStamp unreadStamp_;
    bool unsavable_ = false;
    bool cutOff_ = false;
    bool deletedOnScreen_ = false;
    bool marked_ = false;
    // The map as the level file holds it (loaded or saved).
    std::string fileHeader_;
    MapRows fileRows_;
    // What the header box showed right after the last load or save.
    QString cleanHeader_;
    QUndoStack history_;
    bool startingHistory_ = false;
    std::unique_ptr<FileOps> ownRecoveryOps_;
    // Last, so that its thread ends before the state it reads goes.
    std::unique_ptr<RecoveryPolicy> recovery_;
    LetGoEdits letGo_;
    bool shown_ = false;  // a map has been put on screen
};

}  // namespace kelmor
