#include "levelfile/levelfile.h"

#include <memory>

#include "levelfile/itemreader.h"
#include "levelfile/mapcount.h"

namespace kelmor {

LevelFile::LevelFile(FileOps& ops, std::string folder, std::string name)
    : ops_(ops),
      folder_(std::move(folder)),
      name_(std::move(name))
{}

std::string LevelFile::path() const
{
    return folder_ + "/" + name_;
}

FileFailure LevelFile::openFailure(int error) const
{
    if (error == ENODEV || error == EISDIR)
        return {FileStep::NotRegular, name_, error};
    return {FileStep::Open, name_, error};
}

std::unique_ptr<ByteSource> LevelFile::open(FileFailure& failure) const
{
    int error = 0;
    std::unique_ptr<ByteSource> source = ops_.openRead(path(), error);
    failure = source ? FileFailure{} : openFailure(error);
    return source;
}

template <class Load>
MapLoad LevelFile::loadWith(Load loader) const
{
    MapLoad result;
    stamp(result.stamp);  // a file that cannot be looked at fails to open too
    int error = 0;
    const std::unique_ptr<ByteSource> source = ops_.openRead(path(), error);
    if (!source) {
        result.failure = openFailure(error);
        return result;
    }
    ItemReader reader(*source);
    result.map = loader(reader);
    if (result.map.found)
        result.origin = {false, result.map.mapNo, RowsDigest::of(result.map.rows, result.map.rowsRead)};
    if (source->error() != 0)
        result.failure = {FileStep::Read, name_, source->error()};
    return result;
}

MapLoad LevelFile::load(std::int64_t mapNo) const
{
    return loadWith([mapNo](ItemReader& reader) { return loadMap(reader, mapNo); });
}

MapLoad LevelFile::loadAt(std::uint64_t offset, std::int64_t mapNo) const
{
    return loadWith([offset, mapNo](ItemReader& reader) { return loadMapAt(reader, offset, mapNo); });
}

MapLoad LevelFile::loadLast() const
{
    return loadWith(loadLastMap);
}

FileFailure LevelFile::walk(const std::function<void(const LoadedMap&)>& map,
                            const std::function<void(std::int64_t before, const std::string& item)>& stray,
                            bool withRows) const
{
    int error = 0;
    const std::unique_ptr<ByteSource> source = ops_.openRead(path(), error);
    if (!source)
        return openFailure(error);
    ItemReader reader(*source);
    walkMaps(reader, map, stray, withRows);
    if (source->error() != 0)
        return {FileStep::Read, name_, source->error()};
    return {};
}

template <class Count>
MapCount LevelFile::count(Count counter) const
{
    MapCount result;
    int error = 0;
    const std::unique_ptr<ByteSource> source = ops_.openRead(path(), error);
    if (!source) {
        if (error != ENOENT)
            result.failure = openFailure(error);
        return result;
    }
    ItemReader reader(*source);
    result.count = counter(reader);
    // A count cut short by a failed read would be a wrong number.
    if (source->error() != 0)
        result = {0, {FileStep::Read, name_, source->error()}};
    return result;
}

MapCount LevelFile::countMaps() const
{
    return count(countMapsSkippingRows);
}

MapCount LevelFile::countHeaders() const
{
    return count(countHeaderItems);
}

SaveReport LevelFile::save(std::string_view header, const MapRows& rows, const MapOrigin* expected,
                           FileStamp* stamp) const
{
    SaveReport report = saveMapToLevel(ops_, folder_, header, rows, name_, expected);
    if (stamp != nullptr && report.ok())
        *stamp = report.stamp;
    return report;
}

bool LevelFile::isAt(const std::string& otherPath) const
{
    return otherPath == path() || ops_.resolve(otherPath) == ops_.resolve(path());
}

bool LevelFile::isScratchFile() const
{
    return kelmor::isScratchFile(ops_, folder_, name_);
}

void LevelFile::removeStaleScratch() const
{
    kelmor::removeStaleScratch(ops_, folder_, name_);
}

}  // namespace kelmor
