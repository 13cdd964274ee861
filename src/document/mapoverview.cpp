#include "document/mapoverview.h"

#include <QTimer>
#include <algorithm>

#include "document/headercodec.h"
#include "edit/headerfilter.h"

namespace kelmor {

namespace {
// The header as the header box shows it once loaded: decoded, filtered; one
// over the loader's limit shows nothing.
QString shownHeader(const LoadedMap& map)
{
    if (map.headerTooLong)
        return {};
    // Nearly every header is plain ASCII with nothing the box would filter:
    // listing 32,767 of them goes straight.
    const bool plain =
        std::all_of(map.header.begin(), map.header.end(), [](char c) { return c > ' ' && c < 0x7f && c != ','; });
    if (plain)
        return QString::fromLatin1(map.header.data(), static_cast<qsizetype>(map.header.size()));
    HeaderCodec codec;
    return QString::fromStdU16String(filterHeader(codec.decode(map.header).toStdU16String()));
}
}  // namespace

MapOverview::MapOverview(const LevelFile& level, QObject* parent) : QAbstractListModel(parent), level_(level) {}

bool MapOverview::fileUnchanged() const
{
    FileStamp now;
    const int error = level_.stamp(now);
    return judgeOutsideChange(stamp_, now, error) == OutsideChange::None;
}

bool MapOverview::refresh(bool force)
{
    if (!force && fileUnchanged() && stamp_.exists)
        return false;
    beginResetModel();
    entries_.clear();
    cache_.clear();
    recent_.clear();
    level_.stamp(stamp_);  // before reading: a change meanwhile lists it again later
    failure_ = level_.walk(
        [this](const LoadedMap& map) {
            const State state = map.damaged() ? Damaged : map.rowsRead < kMapRows ? CutOff : Whole;
            entries_.push_back({shownHeader(map), map.offset, state});
        },
        [](std::int64_t, const std::string&) {}, false);
    entries_.shrink_to_fit();
    endResetModel();
    return true;
}

int MapOverview::rowOf(MapNumber mapNo) const
{
    return mapNo >= 1 && mapNo <= static_cast<MapNumber>(entries_.size()) ? static_cast<int>(mapNo - 1) : -1;
}

int MapOverview::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant MapOverview::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Entry& entry = entries_[static_cast<std::size_t>(index.row())];
    const qint64 mapNo = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: {
        QString text = QStringLiteral("map No %1: %2").arg(mapNo).arg(entry.header);
        if (entry.state == Damaged)
            text += QStringLiteral("（壊れています）");
        else if (entry.state == CutOff)
            text += QStringLiteral("（途中で切れています）");
        return text;
    }
    case MapNoRole: return mapNo;
    case HeaderRole: return entry.header;
    case StateRole: return static_cast<int>(entry.state);
    case RowsRole: return rowsOf(index.row());
    default: return {};
    }
}

QByteArray MapOverview::rowsOf(int row) const
{
    if (const auto hit = cache_.find(row); hit != cache_.end()) {
        recent_.splice(recent_.begin(), recent_, hit->second.second);
        return hit->second.first;
    }
    if (!fileUnchanged()) {
        // Listed again once the view is done asking; nothing is read from
        // a file that is not the one listed.
        QTimer::singleShot(0, const_cast<MapOverview*>(this),
                           [self = const_cast<MapOverview*>(this)] { self->refresh(); });
        return {};
    }
    const Entry& entry = entries_[static_cast<std::size_t>(row)];
    const MapLoad load = level_.loadAt(entry.offset, row + 1);
    QByteArray rows;
    if (load.map.found && !load.failure.failed())
        for (const std::string& line : load.map.rows)
            rows.append(line.data(), static_cast<qsizetype>(line.size())).append('\n');
    if (cache_.size() >= kCachedMaps) {
        cache_.erase(recent_.back());
        recent_.pop_back();
    }
    recent_.push_front(row);
    cache_.emplace(row, std::pair{rows, recent_.begin()});
    return rows;
}

}  // namespace kelmor
