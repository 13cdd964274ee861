#include "app/commandline.h"

#include <filesystem>
#include <system_error>

#include "levelfile/savelevel.h"

namespace kelmor {

namespace fs = std::filesystem;

namespace {

StartRequest refuse(std::string problem)
{
    StartRequest request;
    request.action = StartRequest::Action::Refuse;
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
    const fs::path path = fs::absolute(fs::path(given)).lexically_normal();
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    StartRequest request;
    if (fs::is_directory(status)) {
        if (const std::string why = unreadableFolder(path); !why.empty())
            return refuse("cannot read the folder " + given + ": " + why);
        request.folder = path.string();
        request.levelName = kLevelFileName;
        return request;
    }
    const bool isLink = fs::is_symlink(fs::symlink_status(path, error));
    const fs::path folder = path.parent_path();
    // A path that is not there is a new level file only when it says so: a
    // mistyped folder must not open an empty editor that saves into a file
    // named like the folder.
    if (!fs::exists(status) && !isLink) {
        if (!fs::is_directory(folder, error))
            return refuse(given + " does not exist");
        if (path.extension() != ".cnf")
            return refuse(given + " does not exist (a new level file is made only for a name ending in .cnf)");
    }
    if (const std::string why = unreadableFolder(folder); !why.empty())
        return refuse("cannot read the folder of " + given + ": " + why);
    // A level file that is not there yet is made by the first save.
    request.folder = folder.string();
    request.levelName = path.filename().string();
    return request;
}

}  // namespace

StartRequest parseCommandLine(const std::vector<std::string>& args, const std::string& programFolder)
{
    std::vector<std::string> paths;
    bool options = true;
    StartRequest::Action action = StartRequest::Action::Edit;
    for (const std::string& arg : args) {
        if (options && (arg == "--list" || arg == "--check")) {
            if (action != StartRequest::Action::Edit)
                return refuse("give --list or --check, not both");
            action = arg == "--list" ? StartRequest::Action::List : StartRequest::Action::Check;
        } else if (options && arg == "--") {
            options = false;
        } else if (options && (arg == "--help" || arg == "-h")) {
            return {StartRequest::Action::Help, {}, {}, {}};
        } else if (options && arg == "--version") {
            return {StartRequest::Action::Version, {}, {}, {}};
        } else if (options && arg.size() > 1 && arg.front() == '-') {
            return refuse("unknown option " + arg);
        } else {
            paths.push_back(arg);
        }
    }
    if (paths.size() > 1)
        return refuse("give one folder or level file, not " + std::to_string(paths.size()));
    if (paths.empty())
        return {action, programFolder, kLevelFileName, {}};
    if (paths.front().empty())
        return refuse("an empty path names no folder or level file");
    StartRequest request = locate(paths.front());
    if (request.action == StartRequest::Action::Edit)
        request.action = action;
    return request;
}

std::string usageText()
{
    return "Usage: kelmor-edit [PATH]\n"
           "       kelmor-edit --list [PATH]\n"
           "       kelmor-edit --check [PATH]\n"
           "\n"
           "Edits the stage maps of a kelmor-x level file.\n"
           "PATH is a game's folder (the editor uses its kelmor.cnf, kelmor.bmp and\n"
           "temp.tmp) or a level file of any name (kelmor.bmp is taken, and temp.tmp\n"
           "written, in its folder). A level file that does not exist yet, named\n"
           "*.cnf in a folder that does, is made by the first save. Without PATH,\n"
           "the folder that holds the program.\n"
           "\n"
           "Options:\n"
           "      --list     print each map: its number, header and state (ok, damaged\n"
           "                 or cut-off), tab-separated; no window\n"
           "      --check    print what is wrong in the level file as FILE:map N:row R:\n"
           "                 column C: message; exit 1 when anything is, 0 when not\n"
           "  -h, --help     show this and leave\n"
           "      --version  show the version and leave\n"
           "A level file that cannot be read, for --list or --check, is exit 2.\n"
           "\n"
           "Keys:\n"
           "  arrow keys, Home, End   move the cursor on the map\n"
           "  Space or P              put the palette's entry into the cursor's cell\n"
           "  G                       get the cursor's cell into the palette\n"
           "  Ctrl+Z                  undo\n"
           "  Ctrl+Shift+Z, Ctrl+Y    redo\n"
           "  Page Up, Page Down      previous, next map\n"
           "  Ctrl+Home, Ctrl+End     first, last map\n"
           "  Ctrl+G                  go to a map by its number\n"
           "  Ctrl+S                  save the map\n"
           "  Ctrl+Q                  close\n";
}

}  // namespace kelmor
