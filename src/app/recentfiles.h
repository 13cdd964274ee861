#pragma once

#include <QSettings>
#include <QStringList>
#include <memory>

namespace kelmor {

// The level files opened or saved last, newest first, each as the path the
// user gave (links not resolved): the one thing the editor remembers
// between runs, under the program's organisation and name, or in the file
// a test gives.
class RecentFiles {
public:
    static constexpr int kKept = 8;

    RecentFiles();
    explicit RecentFiles(const QString& settingsFile);

    QStringList paths() const;
    // To the front, once.
    void add(const QString& path);
    void remove(const QString& path);
    void clear();

private:
    void store(const QStringList& paths);

    std::unique_ptr<QSettings> settings_;
};

}  // namespace kelmor
