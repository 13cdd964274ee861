#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <string>
#include <vector>

namespace kelmor {

// Says when the watched files or their folders have been quiet for a moment
// after something happened to them, so a burst of writes is one event and a
// file replaced by a rename is still watched. What changed is for the caller
// to judge, by the files' stamps. A path that cannot be watched (a name the
// watcher cannot hold as text) is looked at every second instead.
class FileWatch : public QObject {
    Q_OBJECT

public:
    // `files` as the system's bytes; their folders are watched too.
    explicit FileWatch(std::vector<std::string> files, QObject* parent = nullptr);

    // The caller could not act now (a question is open, a button is held):
    // say so again after another quiet moment.
    void later();

signals:
    void settled();

private:
    void touched();
    void rewatch();

    std::vector<std::string> files_;
    QFileSystemWatcher watcher_;
    QTimer quiet_;
    QTimer poll_;
};

}  // namespace kelmor
