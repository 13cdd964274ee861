#pragma once

#include <QObject>
#include <QString>

class QMainWindow;
class QMenu;

namespace kelmor {

class RecentFiles;

// ファイル > 開く… and ファイル > 最近使ったファイル on a window, put at the
// top of its ファイル menu, and a level file or folder dropped on the
// window: each asks for a path to be opened.
class OpenActions : public QObject {
    Q_OBJECT

public:
    OpenActions(QMainWindow& window, const RecentFiles& recent);

signals:
    void openChosen();
    void openRequested(const QString& path);
    void recentChosen(const QString& path);
    void recentCleared();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillRecent();

    const RecentFiles& recent_;
    QMenu* recentMenu_;
};

}  // namespace kelmor
