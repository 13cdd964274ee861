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

namespace {
// Enough for any first screen; the rest goes a part at a time.
constexpr std::int64_t kFirstPart = 256;
constexpr std::int64_t kPart = 4096;
}  // namespace

MapOverview::MapOverview(const LevelFile& level, QObject* parent) : QAbstractListModel(parent), level_(level)
{
    more_.setInterval(0);
    connect(&more_, &QTimer::timeout, this, [this] { listMore(kPart); });
}

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
    stopListing();
    beginResetModel();
    entries_.clear();
    cache_.clear();
    recent_.clear();
    endResetModel();
    level_.stamp(stamp_);  // before reading: a change meanwhile lists it again later
    source_ = level_.open(failure_);
    if (!source_)
        return true;
    reader_ = std::make_unique<ItemReader>(*source_);
    walker_ = std::make_unique<MapWalker>(*reader_);
    listMore(kFirstPart);
    if (listing())
        more_.start();
    return true;
}

void MapOverview::listUntil(MapNumber mapNo)
{
    while (listing() && static_cast<MapNumber>(entries_.size()) < mapNo)
        listMore(std::min<std::int64_t>(kPart, mapNo - static_cast<MapNumber>(entries_.size())));
}

void MapOverview::listMore(std::int64_t count)
{
    std::vector<Entry> part;
    for (std::int64_t i = 0; i < count; ++i) {
        const LoadedMap* map = walker_->next([](std::int64_t, const std::string&) {}, false);
        if (map == nullptr) {
            if (source_->error() != 0)
                failure_ = {FileStep::Read, level_.name(), source_->error()};
            stopListing();
            break;
        }
        const State state = map->damaged() ? Damaged : map->rowsRead < kMapRows ? CutOff : Whole;
        part.push_back({shownHeader(*map), map->offset, state});
    }
    if (part.empty())
        return;
    const int first = static_cast<int>(entries_.size());
    beginInsertRows({}, first, first + static_cast<int>(part.size()) - 1);
    entries_.insert(entries_.end(), std::make_move_iterator(part.begin()), std::make_move_iterator(part.end()));
    endInsertRows();
}

void MapOverview::stopListing()
{
    more_.stop();
    walker_.reset();
    reader_.reset();
    source_.reset();
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
            text += tr("（壊れています）");
        else if (entry.state == CutOff)
            text += tr("（途中で切れています）");
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

Qt::ItemFlags MapOverview::flags(const QModelIndex& index) const
{
    return QAbstractListModel::flags(index) | (index.isValid() ? Qt::ItemIsDragEnabled : Qt::ItemIsDropEnabled);
}

}  // namespace kelmor
