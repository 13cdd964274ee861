#include "document/mapdocument.h"

#include <QFile>
#include <chrono>

#include "document/mapcommands.h"
#include "edit/erase.h"
#include "edit/headerfilter.h"
#include "edit/placepick.h"

namespace kelmor {

namespace {
// Each step holds a cell or one map's rows, so this many cost a few MB at most.
constexpr int kHistorySteps = 20000;
constexpr int kOverwriteQuestions = 2;
}  // namespace

MapDocument::MapDocument(FileOps& fileOps, const std::string& folder, const std::string& levelName,
                         FileOps* recoveryOps)
    : levelFile_(fileOps, folder, levelName),
      ownRecoveryOps_(recoveryOps ? nullptr : makePosixFileOps()),
      recovery_(std::make_unique<RecoveryPolicy>(recoveryOps ? *recoveryOps : *ownRecoveryOps_, folder, levelName,
                                                 [this] { return unsaved(); }))
{
    history_.setUndoLimit(kHistorySteps);
    connect(&history_, &QUndoStack::indexChanged, this, &MapDocument::historyMoved);
}

MapDocument::~MapDocument()
{
    // The history empties itself as it goes, which is no edit to keep.
    history_.disconnect(this);
}

QString MapDocument::levelPath() const
{
    return QFile::decodeName(QByteArray::fromStdString(levelFile_.path()));
}

bool MapDocument::differsFromFile() const
{
    return origin_.created || rows_ != fileRows_ || headerBytes() != fileHeader_;
}

MapLoad MapDocument::load(MapNumber wanted)
{
    MapLoad result = levelFile_.load(wanted);
    loaded(result);
    return result;
}

void MapDocument::keepIfLetGo()
{
    // Before the first map there is nothing on screen to let go of.
    if (std::optional<Recovery> edits = unsaved(); edits && shown_)
        letGo_.keep(std::move(*edits), std::chrono::system_clock::now());
    shown_ = true;
}

void MapDocument::loaded(const MapLoad& result)
{
    keepIfLetGo();
    const LoadedMap& map = result.map;
    unsavable_ = map.damaged();
    cutOff_ = map.found && map.rowsRead < kMapRows;
    origin_ = result.origin;
    knownStamp_ = result.stamp;
    if (map.found) {
        if (map.headerTooLong) {
            headerCodec_.forget();
            setHeader({});
        } else {
            setHeader(filteredHeader(headerCodec_.decode(map.header)));
        }
        fileHeader_ = map.header;
        fileRows_ = map.rows;
        rows_ = map.rows;
    }
    setMapNo(map.mapNo);
    cleanHeader_ = header_;
    startHistory(true);
    emit rowsChanged();
    emit mapReplaced();
    // The edits of the map that was on screen were saved or given up.
    recovery_->settled();
}

void MapDocument::becomeNew(MapNumber number)
{
    headerCodec_.forget();
    setHeader(QStringLiteral("*MAP%1").arg(number, 3, 10, QLatin1Char('0')));
    setMapNo(number);
    unsavable_ = false;
    cutOff_ = false;
    origin_ = MapOrigin{};
    setMarked(true);
}

void MapDocument::create(MapNumber number)
{
    keepIfLetGo();
    // Creating erases what was on screen, which marks it as an erase does.
    becomeNew(number);
    eraseToTemplate(rows_);
    emit rowsChanged();
    emit mapReplaced();
    // A map never saved has no state to come back to: it stays unsaved.
    startHistory(false);
    recovery_->changedNow();
}

void MapDocument::duplicate(MapNumber number)
{
    keepIfLetGo();
    becomeNew(number);
    startHistory(false);
    emit mapReplaced();
    recovery_->changedNow();
}

SaveReport MapDocument::save(const std::function<bool(MapNumber other)>& overwrite)
{
    std::string header = headerBytes();
    MapOrigin expected = origin_;
    SaveReport report;
    // Asked with nothing held, between two saves; the file may change in
    // that time, so the question comes once more, and no third time.
    for (int asked = 0;; ++asked) {
        report = levelFile_.save(header, rows_, &expected, &knownStamp_);
        if (!report.conflict || asked == kOverwriteQuestions)
            break;
        if (!overwrite(report.conflict->mapNo)) {
            report.declined = true;
            break;
        }
        expected = *report.conflict;
    }
    if (!report.ok())
        return report;  // the edits stay, marked
    origin_ = report.saved;
    fileHeader_ = std::move(header);
    fileRows_ = rows_;
    cleanHeader_ = header_;
    history_.setClean();
    setMarked(false);
    recovery_->settled();
    emit saved();
    return report;
}

OutsideChange MapDocument::outsideChange() const
{
    FileStamp now;
    const int error = levelFile_.stamp(now);
    const OutsideChange change = judgeOutsideChange(knownStamp_, now, error);
    if (change == OutsideChange::Changed && now == unreadStamp_)
        return OutsideChange::None;
    return change;
}

MapLoad MapDocument::reread()
{
    MapLoad result = levelFile_.load(mapNo_);
    if (!rereadShows(result))
        unreadStamp_ = result.stamp;
    return result;
}

void MapDocument::acceptOutsideChange()
{
    levelFile_.stamp(knownStamp_);
}

OrderReport MapDocument::changeOrder(const MapOrderChange& change, const FileStamp& listed)
{
    const OrderExpectation expected{listed, std::nullopt};
    OrderReport report = levelFile_.changeOrder(change, &expected, true);
    const std::int64_t grown = change.kind == MapOrderChange::Kind::Insert   ? 1
                               : change.kind == MapOrderChange::Kind::Delete ? -1
                                                                             : 0;
    followOrder(report, change, report.count + grown);
    return report;
}

OrderReport MapDocument::replaceOrder(std::string_view expected, std::string_view bytes, const MapOrderChange& renumber,
                                      std::int64_t count)
{
    OrderReport report = levelFile_.replaceBytes(expected, bytes);
    followOrder(report, renumber, count);
    return report;
}

void MapDocument::followOrder(const OrderReport& report, const MapOrderChange& change, std::int64_t count)
{
    deletedOnScreen_ = false;
    // Nothing written, or the change failed before the rename: as it was.
    if (report.changed || report.refusal != OrderRefusal::None || report.stamp == report.before)
        return;
    // This editor's own change is no change from outside, unless one was
    // already waiting to be told.
    if (knownStamp_ == report.before)
        knownStamp_ = report.stamp;
    if (origin_.created) {
        setMapNo(count + 1);
    } else if (const std::int64_t now = change.numberAfter(mapNo_); now == 0) {
        deletedOnScreen_ = true;
        return;
    } else if (now != mapNo_) {
        origin_.mapNo = now;
        setMapNo(now);
    }
    recovery_->changedNow();
}

void MapDocument::declineSave()
{
    setMarked(false);
    recovery_->settled();  // given up: nothing is kept for a crash either
}

void MapDocument::restore(const Recovery& recovery, RecoveryOrphan orphan)
{
    showEdits(recovery);
    recovery_->adopt(std::move(orphan));
}

void MapDocument::putBack(const Recovery& edits)
{
    keepIfLetGo();
    showEdits(edits);
    recovery_->changedNow();
}

void MapDocument::showEdits(const Recovery& edits)
{
    if (edits.created) {
        headerCodec_.forget();
        setMapNo(edits.mapNo);
        unsavable_ = false;
        cutOff_ = false;
        origin_ = MapOrigin{};
    } else {
        // The map as it was when the edits began: a save asks before it
        // overwrites what another program saved there since.
        origin_.rows = edits.originRows;
    }
    setHeader(filteredHeader(headerCodec_.decode(edits.header)));
    rows_ = edits.rows;
    emit rowsChanged();
    emit mapReplaced();
    // Unsaved, and no state in the history to come back to as saved.
    startHistory(false);
    setMarked(true);
}

void MapDocument::close()
{
    // Saved, given up or never changed: a clean exit leaves no recovery file.
    recovery_->settled();
    recovery_->settle();
}

void MapDocument::markPressed()
{
    setMarked(true);
    // A map marked unsaved is kept for a crash, even when a No to the save
    // question gave it up before this press and the press changed no cell.
    recovery_->changed();
}

int MapDocument::putCells(const std::vector<std::pair<CellPos, char>>& cells, const QString& text, int stroke,
                          StepWhen when)
{
    std::vector<PlaceCellsCommand::Change> changes;
    int changed = 0;
    for (const auto& [cell, code] : cells) {
        const std::optional<char> before = codeAt(rows_, cell);
        if (!before || (*before == code && when == StepWhen::Changed))
            continue;
        changes.push_back({cell, *before, code});
        changed += *before != code ? 1 : 0;
    }
    if (!changes.empty())
        history_.push(new PlaceCellsCommand(*this, std::move(changes), text, stroke));
    return changed;
}

void MapDocument::erase()
{
    setMarked(true);
    history_.push(new EraseMapCommand(*this, rows_));
}

QString MapDocument::editHeader(const QString& text)
{
    const QString filtered = filteredHeader(text);
    if (filtered != header_) {
        setHeader(filtered);
        recovery_->changed();
    }
    return filtered;
}

QString MapDocument::filteredHeader(QString text) const
{
    for (;;) {
        QString next = QString::fromStdU16String(filterHeader(text.toStdU16String()));
        // Within what loading takes back, in the bytes it is saved in.
        while (headerCodec_.encode(next).size() > kMaxHeaderBytes)
            next.chop(next.size() > 1 && next.back().isLowSurrogate() ? 2 : 1);
        if (next == text)
            return text;
        text = std::move(next);
    }
}

void MapDocument::writeCell(CellPos cell, char code)
{
    placeCell(rows_, cell, code);
    emit cellChanged(cell);
}

void MapDocument::writeRows(const MapRows& rows)
{
    rows_ = rows;
    emit rowsChanged();
}

void MapDocument::setMapNo(MapNumber number)
{
    mapNo_ = number;
    emit mapNoChanged(number);
}

void MapDocument::setHeader(const QString& text)
{
    header_ = text;
    emit headerChanged(header_);
}

void MapDocument::setMarked(bool marked)
{
    if (marked_ == marked)
        return;
    marked_ = marked;
    emit markedChanged(marked);
}

void MapDocument::startHistory(bool clean)
{
    startingHistory_ = true;
    history_.clear();
    if (!clean)
        history_.resetClean();
    startingHistory_ = false;
}

void MapDocument::historyMoved()
{
    if (startingHistory_)
        return;
    // Back at the saved rows counts as unsaved while the header box still
    // shows another header: leaving would drop that header unasked.
    setMarked(!history_.isClean() || header_ != cleanHeader_);
    recovery_->changed();
}

std::optional<Recovery> MapDocument::unsaved() const
{
    // A damaged map is never saved, so there is nothing to recover either.
    if (unsavable_ || !differsFromFile())
        return std::nullopt;
    Recovery recovery;
    recovery.level = levelFile_.path();
    recovery.mapNo = mapNo_;
    recovery.created = origin_.created;
    recovery.originRows = origin_.rows;
    recovery.header = headerBytes();
    recovery.rows = rows_;
    return recovery;
}

}  // namespace kelmor
