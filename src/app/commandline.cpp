#include "app/commandline.h"

#include <charconv>
#include <filesystem>
#include <optional>
#include <system_error>

#include "levelfile/savelevel.h"
#include "model/keytable.h"
#include "model/mapnumber.h"

namespace kelmor {

namespace fs = std::filesystem;

namespace {

StartRequest withAction(StartRequest::Action action)
{
    StartRequest request;
    request.action = action;
    return request;
}

StartRequest refuse(std::string problem)
{
    StartRequest request = withAction(StartRequest::Action::Refuse);
    request.problem = std::move(problem);
    return request;
}

// A folder that cannot be listed cannot be worked in either.
std::string unreadableFolder(const fs::path& folder)
{
    std::error_code error;
    fs::directory_iterator list(folder, error);
    return error ? error.message() : std::string();
}

StartRequest locate(const std::string& given)
{
    const LevelLocation location = locateLevel(given);
    if (location.refusal != LevelLocation::Refusal::None)
        return refuse(location.problem);
    StartRequest request;
    request.folder = location.folder;
    request.levelName = location.levelName;
    return request;
}

}  // namespace

LevelLocation locateLevel(const std::string& given)
{
    using Refusal = LevelLocation::Refusal;
    const auto refused = [](Refusal why, std::string problem) {
        return LevelLocation{why, {}, {}, std::move(problem)};
    };
    const fs::path path = fs::absolute(fs::path(given)).lexically_normal();
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (fs::is_directory(status)) {
        if (const std::string why = unreadableFolder(path); !why.empty())
            return refused(Refusal::FolderUnreadable, "cannot read the folder " + given + ": " + why);
        return {Refusal::None, path.string(), kLevelFileName, {}};
    }
    const bool isLink = fs::is_symlink(fs::symlink_status(path, error));
    const fs::path folder = path.parent_path();
    // A path that is not there is a new level file only when it says so: a
    // mistyped folder must not open an empty editor that saves into a file
    // named like the folder.
    if (!fs::exists(status) && !isLink) {
        if (!fs::is_directory(folder, error))
            return refused(Refusal::Missing, given + " does not exist");
        if (path.extension() != ".cnf")
            return refused(Refusal::NotCnf,
                           given + " does not exist (a new level file is made only for a name ending in .cnf)");
    }
    if (const std::string why = unreadableFolder(folder); !why.empty())
        return refused(Refusal::FolderUnreadable, "cannot read the folder of " + given + ": " + why);
    // A level file that is not there yet is made by the first save.
    return {Refusal::None, folder.string(), path.filename().string(), {}};
}

namespace {

// A whole number from `low` to `high`, written in digits alone.
std::optional<std::int64_t> wholeNumber(const std::string& text, std::int64_t low, std::int64_t high)
{
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || text.front() == '-' || text.front() == '+' || error != std::errc() || at != end ||
        value < low || value > high)
        return std::nullopt;
    return value;
}

// What the option takes after it, by name; nothing for a flag.
int valuesOf(const std::string& option)
{
    if (option == "--export-png" || option == "--diff" || option == "--move-map")
        return 2;
    if (option == "--thumbnail" || option == "--merge")
        return 3;
    if (option == "--export-sheet" || option == "--scale" || option == "--columns" || option == "--maps" ||
        option == "--textconv" || option == "--insert-map" || option == "--delete-map" || option == "--language")
        return 1;
    return 0;
}

bool isFlag(const std::string& option)
{
    return option == "--list" || option == "--check" || option == "--grid" || option == "--codes" ||
           option == "--marker" || option == "--force";
}

}  // namespace

StartRequest parseCommandLine(const std::vector<std::string>& args, const std::string& programFolder)
{
    using Action = StartRequest::Action;
    std::vector<std::string> paths;
    bool options = true;
    Action action = Action::Edit;
    ExportOptions picture;
    std::vector<std::string> given;  // the export options seen, to check where they belong
    std::string thumbnailIn;         // also --textconv's FILE and --diff's NEW
    std::string diffOld;
    std::vector<std::string> merged;
    MapOrderChange order;
    std::string language;
    auto command = [&](Action wanted, const std::string& name) {
        if (action != Action::Edit)
            return refuse("give one of --list, --check, --diff, --textconv, --merge, --move-map, --insert-map, "
                          "--delete-map, --export-png, --export-sheet, --thumbnail, not " +
                          name + " with another");
        action = wanted;
        return StartRequest{};
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!options || arg.size() < 2 || arg.front() != '-') {
            paths.push_back(arg);
            continue;
        }
        if (arg == "--") {
            options = false;
            continue;
        }
        if (arg == "--help" || arg == "-h")
            return withAction(Action::Help);
        if (arg == "--version")
            return withAction(Action::Version);
        const int count = valuesOf(arg);
        if (count == 0 && !isFlag(arg))
            return refuse("unknown option " + arg);
        if (args.size() - i - 1 < static_cast<std::size_t>(count))
            return refuse(arg + " needs " + std::to_string(count) + (count == 1 ? " value" : " values"));
        const std::string* value = count > 0 ? &args[i + 1] : nullptr;
        i += static_cast<std::size_t>(count);
        StartRequest refused;
        if (arg == "--list" || arg == "--check") {
            refused = command(arg == "--list" ? Action::List : Action::Check, arg);
        } else if (arg == "--export-png") {
            refused = command(Action::ExportPng, arg);
            const auto map = wholeNumber(value[0], 1, kLastMapNo);
            if (!map)
                return refuse("--export-png: the map number must be 1 to " + std::to_string(kLastMapNo) + ", not " +
                              value[0]);
            picture.map = *map;
            picture.out = value[1];
        } else if (arg == "--diff") {
            refused = command(Action::Diff, arg);
            diffOld = value[0];
            thumbnailIn = value[1];
        } else if (arg == "--merge") {
            refused = command(Action::Merge, arg);
            merged.assign(value, value + 3);
        } else if (arg == "--move-map" || arg == "--insert-map" || arg == "--delete-map") {
            refused = command(Action::ChangeOrder, arg);
            // One past the last map: where --insert-map appends.
            std::int64_t numbers[2] = {0, 0};
            for (int v = 0; v < count; ++v) {
                const auto number = wholeNumber(value[v], 1, kLastMapNo + 1);
                if (!number)
                    return refuse(arg + ": a map number must be 1 to " + std::to_string(kLastMapNo + 1) + ", not " +
                                  value[v]);
                numbers[v] = *number;
            }
            order = arg == "--move-map"     ? MapOrderChange::move(numbers[0], numbers[1])
                    : arg == "--insert-map" ? MapOrderChange::insert(numbers[0])
                                            : MapOrderChange::remove(numbers[0]);
        } else if (arg == "--language") {
            if (value[0] != "ja" && value[0] != "en")
                return refuse("--language must be ja or en, not " + value[0]);
            language = value[0];
        } else if (arg == "--textconv") {
            refused = command(Action::TextConv, arg);
            thumbnailIn = value[0];
        } else if (arg == "--export-sheet") {
            refused = command(Action::ExportSheet, arg);
            picture.out = value[0];
        } else if (arg == "--thumbnail") {
            refused = command(Action::Thumbnail, arg);
            thumbnailIn = value[0];
            picture.out = value[1];
            const auto size = wholeNumber(value[2], 1, 4096);
            if (!size)
                return refuse("--thumbnail: the size must be 1 to 4096 pixels, not " + value[2]);
            picture.size = static_cast<int>(*size);
        } else {
            given.push_back(arg);
            if (arg == "--scale") {
                const auto scale = wholeNumber(value[0], 1, 16);
                if (!scale)
                    return refuse("--scale must be a whole number from 1 to 16, not " + value[0]);
                picture.scale = static_cast<int>(*scale);
            } else if (arg == "--columns") {
                const auto columns = wholeNumber(value[0], 1, 1000);
                if (!columns)
                    return refuse("--columns must be a whole number from 1 to 1000, not " + value[0]);
                picture.columns = static_cast<int>(*columns);
            } else if (arg == "--maps") {
                const std::size_t dash = value[0].find('-');
                const auto first = wholeNumber(value[0].substr(0, dash), 1, kLastMapNo);
                const auto last =
                    dash == std::string::npos ? first : wholeNumber(value[0].substr(dash + 1), 1, kLastMapNo);
                if (!first || !last || *last < *first)
                    return refuse("--maps must be A-B, from map A to map B (1 to " + std::to_string(kLastMapNo) +
                                  "), not " + value[0]);
                picture.first = *first;
                picture.last = *last;
            } else {
                picture.grid |= arg == "--grid";
                picture.codes |= arg == "--codes";
                picture.marker |= arg == "--marker";
                picture.force |= arg == "--force";
            }
        }
        if (refused.action == Action::Refuse)
            return refused;
    }
    // Each option with the command it belongs to.
    for (const std::string& option : given) {
        const bool png = option == "--scale" || option == "--grid" || option == "--codes" || option == "--marker";
        const bool sheet = option == "--columns" || option == "--maps";
        const bool any = option == "--force";
        if ((png && action != Action::ExportPng) || (sheet && action != Action::ExportSheet) ||
            (any && action != Action::ExportPng && action != Action::ExportSheet && action != Action::Thumbnail))
            return refuse(option + (png     ? " goes with --export-png"
                                    : sheet ? " goes with --export-sheet"
                                            : " goes with an export"));
    }
    // The command-line output is English whatever the window speaks.
    if (!language.empty() && action != Action::Edit)
        return refuse("--language goes with the editor window");
    if (action == Action::Thumbnail || action == Action::Diff || action == Action::TextConv) {
        if (!paths.empty())
            return refuse(action == Action::Thumbnail ? "--thumbnail takes its level file as IN, not as PATH"
                          : action == Action::Diff    ? "--diff takes its level files as OLD and NEW, not as PATH"
                                                      : "--textconv takes its level file as FILE, not as PATH");
        paths.push_back(thumbnailIn);
    }
    if (action == Action::Merge) {
        // Git's own scratch files, named as git names them: read and written as given.
        if (paths.size() > 1)
            return refuse("--merge takes BASE OURS THEIRS and at most a NAME after them");
        StartRequest request = withAction(action);
        request.merged = merged;
        request.mergeName = paths.empty() ? merged[1] : paths.front();
        return request;
    }
    if (paths.size() > 1)
        return refuse("give one folder or level file, not " + std::to_string(paths.size()));
    StartRequest request;
    if (paths.empty()) {
        request = withAction(action);
        request.folder = programFolder;
        request.levelName = kLevelFileName;
    } else {
        if (paths.front().empty())
            return refuse("an empty path names no folder or level file");
        request = locate(paths.front());
        if (request.action == Action::Edit)
            request.action = action;
    }
    request.picture = picture;
    request.order = order;
    request.language = language;
    if (action == Action::Diff) {
        if (diffOld.empty())
            return refuse("an empty path names no folder or level file");
        const StartRequest old = locate(diffOld);
        if (old.action == Action::Refuse)
            return old;
        request.oldFolder = old.folder;
        request.oldLevelName = old.levelName;
    }
    return request;
}

std::string usageText()
{
    return "Usage: kelmor-edit [--language ja|en] [PATH]\n"
           "       kelmor-edit --list [PATH]\n"
           "       kelmor-edit --check [PATH]\n"
           "       kelmor-edit --diff OLD NEW\n"
           "       kelmor-edit --textconv FILE\n"
           "       kelmor-edit --merge BASE OURS THEIRS [NAME]\n"
           "       kelmor-edit --move-map FROM TO [PATH]\n"
           "       kelmor-edit --insert-map N [PATH]\n"
           "       kelmor-edit --delete-map N [PATH]\n"
           "       kelmor-edit --export-png N OUT.png [--scale K] [--grid] [--codes] [--marker] [--force] [PATH]\n"
           "       kelmor-edit --export-sheet OUT.png [--columns C] [--maps A-B] [--force] [PATH]\n"
           "       kelmor-edit --thumbnail IN OUT SIZE [--force]\n"
           "\n"
           "Edits the stage maps of a kelmor-x level file.\n"
           "PATH is a game's folder (the editor uses its kelmor.cnf, kelmor.bmp and\n"
           "temp.tmp) or a level file of any name (kelmor.bmp is taken, and temp.tmp\n"
           "written, in its folder). A level file that does not exist yet, named\n"
           "*.cnf in a folder that does, is made by the first save. Without PATH,\n"
           "the folder that holds the program.\n"
           "\n"
           "Options:\n"
           "      --language ja|en\n"
           "                 the window's language; without it, English when the first\n"
           "                 of the system's UI languages is neither Japanese nor C or\n"
           "                 POSIX, Japanese otherwise\n"
           "      --list     print each map: its number, header and state (ok, damaged\n"
           "                 or cut-off), tab-separated; no window\n"
           "      --check    print what is wrong in the level file as FILE:map N:row R:\n"
           "                 column C: message; exit 1 when anything is, 0 when not\n"
           "      --diff OLD NEW\n"
           "                 compare two level files map by map, the maps aligned by\n"
           "                 their headers: maps added, removed, moved or renamed, each\n"
           "                 changed cell as map N \"HEADER\": row R column C: X -> Y, and\n"
           "                 items outside maps as line L: - or +; line ends (CR LF or\n"
           "                 LF), quotes and empty lines are no change; exit 1 when the\n"
           "                 files differ, 0 when not\n"
           "      --textconv FILE\n"
           "                 print FILE for git's diff driver: each row named by its\n"
           "                 map's header and its number\n"
           "      --merge BASE OURS THEIRS [NAME]\n"
           "                 git's merge driver: merge THEIRS into OURS map by map and\n"
           "                 cell by cell, from BASE; never a conflict marker in the\n"
           "                 file: OURS is kept where both changed, and each conflict is\n"
           "                 told on standard error (NAME:map N ...); exit 1 when there\n"
           "                 is one, 0 when not, 2 when nothing could be merged\n"
           "      --move-map FROM TO\n"
           "                 move map FROM so that it becomes map TO; every other byte\n"
           "                 of the file stays as it is\n"
           "      --insert-map N\n"
           "                 put a blank map in as map N (1 to the number of maps + 1),\n"
           "                 under *MAPnnn for N, or the lowest number above it that no\n"
           "                 map has as its header; prints that header\n"
           "      --delete-map N\n"
           "                 delete map N (not the file's only map)\n"
           "                 These three write the whole file in one step, its mode kept,\n"
           "                 and refuse a map whose header shares its line or that is\n"
           "                 damaged or cut off; exit 0, or 2 with the reason and the\n"
           "                 file as it was\n"
           "      --export-png N OUT.png\n"
           "                 draw map N as the editor shows it, with the tile sheet\n"
           "                 beside the level file, into OUT.png; --scale K enlarges it\n"
           "                 K times (1 to 16, pixels repeated), --grid and --codes draw\n"
           "                 the grid and the cell codes over it, --marker the red marker\n"
           "      --export-sheet OUT.png\n"
           "                 draw the maps side by side, each with its number; --columns\n"
           "                 C maps to a row, --maps A-B from map A to map B; a picture\n"
           "                 over 100 megapixels is refused\n"
           "      --thumbnail IN OUT SIZE\n"
           "                 draw map 1 of the level file IN at most SIZE pixels wide into\n"
           "                 OUT (for file managers); without a tile sheet, each cell in a\n"
           "                 colour of its code\n"
           "      --force    replace an existing picture (never without it)\n"
           "  -h, --help     show this and leave\n"
           "      --version  show the version and leave\n"
           "A level file that cannot be read, for --list, --check, --diff or --textconv,\n"
           "is exit 2, as is any refused or failed export. Exports need no display.\n"
           "\n" +
           keysHelpText();
}

}  // namespace kelmor
