#pragma once

#include <QList>
#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "document/outsidechangerule.h"

class QAction;
class QLabel;
class QStatusBar;
class QWidget;

namespace kelmor {

class Asker;
class ChangeBar;
class FileWatch;
class MapDocument;
struct MapLoad;

// Follows the level file when another program changes it: a map without
// edits is loaded again, one with edits is kept and the bar in the status
// bar line offers 再読み込み and このまま; a file gone is told once; a file
// that cannot be read again changes nothing on screen.
class OutsideChanges : public QObject {
    Q_OBJECT

public:
    struct Hooks {
        // Puts a map read again on screen, as loading does.
        std::function<void(const MapLoad&)> showLoaded;
        // What follows other files first (the tile sheet, マップ一覧).
        std::function<void()> followOthers;
    };
    // Watches `files` (the level file first); the bar goes into `window`'s
    // status bar, in place of `fields` while it shows; the actions, with the
    // key table's keys, are `window`'s, so their keys work wherever the focus is.
    OutsideChanges(MapDocument& document, Asker& asker, QWidget& window, QStatusBar& statusBar, QList<QLabel*> fields,
                   const std::vector<std::string>& files, Hooks hooks);

    ChangeBar* bar() const { return bar_; }
    // What is on screen is what the file holds now: the bar goes.
    void hideBar();

private:
    void follow();
    // Another program changed the level file and the map has no edits.
    void reloadUnedited();
    void showBar(const QString& text, bool canReload);

    MapDocument& document_;
    Asker& asker_;
    QStatusBar& statusBar_;
    QList<QLabel*> fields_;
    Hooks hooks_;
    QAction* reload_;
    QAction* keep_;
    ChangeBar* bar_;
    FileWatch* watch_;
    // What to do about each change: decided on the document's side.
    OutsideChangeRule rule_;
};

}  // namespace kelmor
