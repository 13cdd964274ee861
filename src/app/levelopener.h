#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QWidget;

namespace kelmor {

class Asker;
class FileOps;
class Form1;
class RecentFiles;

// The window on one level file after another. Opening a file makes a new
// window on it exactly as the command line would (tile sheet from its
// folder, recovery offer, watch, overview, map 1) once the old file is left
// as closing leaves it: its edits through the unsaved-changes check, its
// recovery file settled; the old window goes with its watches, history and
// selection. Edits let go of are kept across files.
class LevelOpener : public QObject {
    Q_OBJECT

public:
    // `choose` shows the file dialog over a window: the path chosen, or
    // nothing when cancelled.
    using Chooser = std::function<std::optional<QString>(QWidget& over, const QString& folder)>;

    LevelOpener(Asker& asker, FileOps& fileOps, RecentFiles& recent, Chooser choose = {});
    ~LevelOpener() override;

    // The first window, on the level file the command line gave.
    Form1& start(const std::string& folder, const std::string& levelName);
    Form1* window() const { return window_.get(); }

    // Opens `path` (a level file or a folder) in place of the open file;
    // false when it is refused (told) or the old file's edits could not be
    // saved, and the old file stays open.
    bool open(const QString& path);
    // The file dialog, then open.
    void chooseAndOpen();
    // A recent file: one that is gone is told and taken off the list.
    void openRecent(const QString& path);

signals:
    void windowChanged(Form1* window);

private:
    // A window on the level file, which `given` names as the user gave it.
    Form1& make(const std::string& folder, const std::string& levelName, const QString& given);
    // Why `path` cannot be opened; nothing when it can.
    QString refusalOf(const std::string& folder, const std::string& levelName) const;

    Asker& asker_;
    FileOps& fileOps_;
    RecentFiles& recent_;
    Chooser choose_;
    std::unique_ptr<Form1> window_;
};

}  // namespace kelmor
