#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QTimer>
#include <cstdint>
#include <list>
#include <memory>
#include <unordered_map>
#include <vector>

#include "fs/filefailure.h"
#include "fs/filestamp.h"
#include "levelfile/levelfile.h"
#include "model/mapnumber.h"

namespace kelmor {

// Every map of the level file as one list, for the overview alone: navigation
// and saving never go by it. For each map it keeps the number (by the
// loader's rule), the header as the header box would show it, the state and
// where the map starts. The rows are read from there as the list shows them,
// only after checking that the file is still the one listed; a changed file
// is listed again.
class MapOverview : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role {
        MapNoRole = Qt::UserRole + 1,
        HeaderRole,  // as the header box shows it
        StateRole,   // a State
        RowsRole,    // the 17 rows, each ended by "\n"; empty when they cannot be read
    };
    enum State { Whole, CutOff, Damaged };

    explicit MapOverview(const LevelFile& level, QObject* parent = nullptr);

    // Lists the file again when it is not the one listed (or always, with
    // `force`). False when it was not read again. The first maps are listed
    // at once, the rest a part at a time from the event loop, so the first
    // screen never waits for the whole file.
    bool refresh(bool force = false);
    // Lists at once up to map `mapNo`, or to the end.
    void listUntil(MapNumber mapNo);
    void listAll() { listUntil(kLastMapNo * 1024); }
    bool listing() const { return walker_ != nullptr; }
    // Why the file could not be listed (to its end), if it could not.
    const FileFailure& failure() const { return failure_; }
    // The row of map `mapNo`, or -1 when the list has no such map.
    int rowOf(MapNumber mapNo) const;
    // The file's stamp as it was when it was listed.
    const FileStamp& stamp() const { return stamp_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // A map can be dragged to another place in the list.
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Entry {
        QString header;
        std::uint64_t offset = 0;
        State state = Whole;
    };
    QByteArray rowsOf(int row) const;
    bool fileUnchanged() const;
    // Lists up to `count` more maps; stops the listing at the file's end.
    void listMore(std::int64_t count);
    void stopListing();

    const LevelFile& level_;
    std::vector<Entry> entries_;
    FileStamp stamp_;
    FileFailure failure_;
    // The listing under way.
    std::unique_ptr<ByteSource> source_;
    std::unique_ptr<ItemReader> reader_;
    std::unique_ptr<MapWalker> walker_;
    QTimer more_;
    // The rows of the maps last shown, the least recently shown dropped first.
    static constexpr std::size_t kCachedMaps = 256;
    mutable std::list<int> recent_;
    mutable std::unordered_map<int, std::pair<QByteArray, std::list<int>::iterator>> cache_;
};

}  // namespace kelmor
