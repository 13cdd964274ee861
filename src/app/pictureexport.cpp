#include "app/pictureexport.h"

#include <QBuffer>
#include <QByteArray>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "document/tilesheetfile.h"
#include "fs/atomicwrite.h"
#include "levelfile/levelfile.h"
#include "view/mapexport.h"

namespace kelmor {

namespace {

constexpr std::int64_t kMostPixels = 100'000'000;

int refuse(std::ostream& err, const std::string& why)
{
    err << "kelmor-edit: " << why << "\n";
    return 2;
}

std::string reason(int error)
{
    return std::strerror(error);
}

std::string readFailure(const LevelFile& level, const FileFailure& failure)
{
    if (failure.step == FileStep::NotRegular)
        return "cannot read " + level.path() + ": not a plain file";
    return "cannot read " + level.path() + ": " + reason(failure.error);
}

}  // namespace

int exportPicture(const StartRequest& request, FileOps& ops, std::ostream& err)
{
    using Action = StartRequest::Action;
    const ExportOptions& options = request.picture;
    namespace fs = std::filesystem;
    const fs::path out = fs::absolute(options.out).lexically_normal();
    std::error_code code;
    if (!fs::is_directory(out.parent_path(), code))
        return refuse(err, "the folder of " + options.out + " does not exist");
    const LevelFile level(ops, request.folder, request.levelName);
    // Whatever --force says, a picture never takes the place of what it is
    // drawn from: the same file by any name, links followed.
    for (const std::string& input : {level.path(), tileSheetPath(request.folder)})
        if (fs::equivalent(out, input, code))
            return refuse(err, options.out + " is " + input + ", which the picture is drawn from; give another name");
    if (fs::exists(fs::symlink_status(out, code)) && !options.force)
        return refuse(err, options.out + " exists; give --force to replace it");

    // Without one (missing, or no bitmap) the cells show their codes, as in the editor.
    TileSheet sheet;
    readTileSheetFile(ops, request.folder, sheet);
    const Catalogue catalogue = standardCatalogue();
    QImage picture;
    if (request.action == Action::ExportSheet) {
        const auto drawn = [&](std::int64_t mapNo) {
            return mapNo >= options.first && (options.last == 0 || mapNo <= options.last);
        };
        const auto noStray = [](std::int64_t, const std::string&) {};
        // Counted first with every map's rows passed over unseen, so that a
        // sheet too large is refused before any map is held; then only the
        // maps it draws are kept.
        std::int64_t count = 0;
        std::int64_t wanted = 0;
        FileFailure failure = level.walk(
            [&](const LoadedMap& map) {
                count = map.mapNo;
                wanted += drawn(map.mapNo) ? 1 : 0;
            },
            noStray, false);
        if (failure.failed())
            return refuse(err, readFailure(level, failure));
        const auto tooLarge = [&](std::int64_t maps, int& columns) {
            columns = options.columns > 0 ? options.columns
                                          : static_cast<int>(std::ceil(std::sqrt(static_cast<double>(maps))));
            const QSize size = sheetSize(maps, columns);
            if (static_cast<std::int64_t>(size.width()) * size.height() <= kMostPixels)
                return false;
            refuse(err, "the sheet would be " + std::to_string(size.width()) + " x " + std::to_string(size.height()) +
                            " pixels, over 100 megapixels; give fewer maps with --maps A-B");
            return true;
        };
        int columns = 0;
        if (wanted > 0 && tooLarge(wanted, columns))
            return 2;
        std::vector<std::pair<std::int64_t, MapRows>> maps;
        maps.reserve(static_cast<std::size_t>(wanted));
        failure = level.walk(
            [&](const LoadedMap& map) {
                if (drawn(map.mapNo))
                    maps.emplace_back(map.mapNo, map.rows);
            },
            noStray);
        if (failure.failed())
            return refuse(err, readFailure(level, failure));
        if (maps.empty())
            return refuse(err, level.path() + " has no maps from " + std::to_string(options.first) + " (it has " +
                                   std::to_string(count) + ")");
        // Another program may have changed the file between the two readings.
        if (tooLarge(static_cast<std::int64_t>(maps.size()), columns))
            return 2;
        picture = sheetPicture(maps, columns, catalogue, sheet);
    } else {
        const std::int64_t wanted = request.action == Action::ExportPng ? options.map : 1;
        const MapLoad load = level.load(wanted);
        if (load.failure.failed())
            return refuse(err, readFailure(level, load.failure));
        if (!load.map.found || load.map.mapNo != wanted)
            return refuse(err, "map " + std::to_string(wanted) + " is not in " + level.path() + " (it has " +
                                   std::to_string(load.map.found ? load.map.mapNo : 0) + " maps)");
        if (request.action == Action::ExportPng)
            picture = mapPicture(load.map.rows, catalogue, sheet,
                                 {options.scale, options.grid, options.codes, options.marker});
        else
            picture = thumbnailPicture(load.map.rows, catalogue, sheet, options.size);
    }

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        return refuse(err, "cannot make the picture");
    const int error = writeAtomically(
        ops, out.string(), std::string_view(png.constData(), static_cast<std::size_t>(png.size())), options.force);
    if (error == EEXIST)
        return refuse(err, options.out + " exists; give --force to replace it");
    if (error == EBUSY)
        return refuse(err, "cannot write " + options.out + ": other exports are writing pictures beside it");
    if (error != 0)
        return refuse(err, "cannot write " + options.out + ": " + reason(error));
    return 0;
}

}  // namespace kelmor
