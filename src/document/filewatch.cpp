#include "document/filewatch.h"

#include <QFile>

namespace kelmor {

namespace {
constexpr int kQuietMs = 300;
constexpr int kPollMs = 1000;

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}
}  // namespace

FileWatch::FileWatch(std::vector<std::string> files, QObject* parent) : QObject(parent), files_(std::move(files))
{
    quiet_.setSingleShot(true);
    quiet_.setInterval(kQuietMs);
    poll_.setInterval(kPollMs);
    connect(&quiet_, &QTimer::timeout, this, &FileWatch::settled);
    connect(&poll_, &QTimer::timeout, this, &FileWatch::settled);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &FileWatch::touched);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &FileWatch::touched);
    rewatch();
}

void FileWatch::later()
{
    quiet_.start();
}

void FileWatch::touched()
{
    rewatch();
    quiet_.start();
}

void FileWatch::rewatch()
{
    bool unwatchable = false;
    for (const std::string& file : files_) {
        for (const std::string& path : {folderOf(file), file}) {
            const QString name = QFile::decodeName(QByteArray::fromStdString(path));
            if (QFile::encodeName(name).toStdString() != path) {
                unwatchable = true;
                continue;
            }
            // A file replaced by a rename has left the watch; a missing one
            // is seen coming back through its folder.
            const bool watched = watcher_.files().contains(name) || watcher_.directories().contains(name);
            if (!watched && QFile::exists(name) && !watcher_.addPath(name))
                unwatchable = true;  // out of watches, say
        }
    }
    if (unwatchable && !poll_.isActive())
        poll_.start();
}

}  // namespace kelmor
