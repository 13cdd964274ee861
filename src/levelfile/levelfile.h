#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "fs/filefailure.h"
#include "fs/fileops.h"
#include "fs/filestamp.h"
#include "levelfile/mapload.h"
#include "levelfile/reorderlevel.h"
#include "levelfile/savelevel.h"
#include "model/mapgrid.h"

namespace kelmor {

struct MapLoad {
    // With a failed open, nothing was found; with a failed read, what was
    // read before it.
    LoadedMap map;
    FileFailure failure;
    // What a save of this map is meant to replace (a map not found: none).
    MapOrigin origin;
    // The file's stamp as it was before it was read: a change made while it
    // was read shows as a change afterwards, never as none.
    FileStamp stamp;
};

struct MapCount {
    std::int64_t count = 0;  // with a failure, no number to go by
    FileFailure failure;
};

// The one door to a level file (by default "kelmor.cnf") in a folder: each operation
// opens it, does its work from the first item and closes it again, and
// reports any failure in one shape, so the window only decides what to ask
// and what to say.
class LevelFile {
public:
    LevelFile(FileOps& ops, std::string folder, std::string name = kLevelFileName);

    const std::string& folder() const { return folder_; }
    const std::string& name() const { return name_; }
    std::string path() const;

    // Map number `mapNo`, or the last map when the file has fewer.
    MapLoad load(std::int64_t mapNo) const;
    // The map whose header starts at `offset` (see loadMapAt).
    MapLoad loadAt(std::uint64_t offset, std::int64_t mapNo) const;
    // The last map, with the number of maps as its number (see loadLastMap).
    // A failed read is reported as for load: the number is then no count.
    MapLoad loadLast() const;
    // The maps as the last-map button counts them, rows passed over unseen.
    // A missing file has none.
    MapCount countMaps() const;
    // Every item that holds a "*", rows included, as creating a map counts.
    // A missing file has none.
    MapCount countHeaders() const;
    // Writes the map under `header`; see saveMapToLevel for `expected`.
    // Once saved, `stamp` is the file's new stamp.
    SaveReport save(std::string_view header, const MapRows& rows, const MapOrigin* expected = nullptr,
                    FileStamp* stamp = nullptr) const;
    // Moves, inserts or deletes a map; see changeMapOrderInLevel.
    OrderReport changeOrder(const MapOrderChange& change, const OrderExpectation* expected = nullptr,
                            bool keepBytes = false) const
    {
        return changeMapOrderInLevel(ops_, folder_, name_, change, expected, keepBytes);
    }
    // See replaceLevelBytes.
    OrderReport replaceBytes(std::string_view expected, std::string_view bytes) const
    {
        return replaceLevelBytes(ops_, folder_, name_, expected, bytes);
    }
    // The file's stamp now; see stampFile.
    int stamp(FileStamp& stamp) const { return stampFile(ops_, path(), stamp); }
    // Every map in file order and the items that belong to none (see
    // walkMaps); a failure when the file cannot be read to the end.
    FileFailure walk(const std::function<void(const LoadedMap&)>& map,
                     const std::function<void(std::int64_t before, const std::string& item)>& stray,
                     bool withRows = true) const;
    // The file opened for reading from its first item, for a caller that
    // reads it in parts; null with `failure` set when it cannot be.
    std::unique_ptr<ByteSource> open(FileFailure& failure) const;
    // Whether `otherPath` names this level file, by another way perhaps (a
    // linked folder): both with their links followed.
    bool isAt(const std::string& otherPath) const;
    // Whether it is the scratch file of its own saves (see isScratchFile):
    // such a file is never worked on.
    bool isScratchFile() const;
    // See removeStaleScratch.
    void removeStaleScratch() const;

private:
    template <class Load>
    MapLoad loadWith(Load loader) const;
    template <class Count>
    MapCount count(Count counter) const;
    FileFailure openFailure(int error) const;

    FileOps& ops_;
    std::string folder_;
    std::string name_;
};

}  // namespace kelmor
