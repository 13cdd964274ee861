#include "app/openactions.h"

#include <QAction>
#include <QDropEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>

#include "app/recentfiles.h"
#include "app/widgetaction.h"

namespace kelmor {

namespace {
// The first local file or folder a drag carries.
QString droppedPath(const QMimeData* data)
{
    if (data == nullptr)
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}
}  // namespace

OpenActions::OpenActions(QMainWindow& window, const RecentFiles& recent)
    : QObject(&window),
      recent_(recent),
      recentMenu_(new QMenu(tr("最近使ったファイル(&R)"), &window))
{
    auto* open = new QAction(tr("開く(&O)..."), &window);
    open->setObjectName(QStringLiteral("openAction"));
    open->setShortcuts(shortcutsOf("openAction"));
    window.addAction(open);
    connect(open, &QAction::triggered, this, &OpenActions::openChosen);
    recentMenu_->setObjectName(QStringLiteral("recentMenu"));
    connect(recentMenu_, &QMenu::aboutToShow, this, &OpenActions::fillRecent);
    fillRecent();
    if (QMenu* file = window.findChild<QMenu*>(QStringLiteral("fileMenu"))) {
        QAction* first = file->actions().value(0);
        file->insertAction(first, open);
        file->insertMenu(first, recentMenu_);
        file->insertSeparator(first);
    }
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

void OpenActions::fillRecent()
{
    recentMenu_->clear();
    const QStringList paths = recent_.paths();
    for (const QString& path : paths)
        connect(recentMenu_->addAction(path), &QAction::triggered, this, [this, path] { emit recentChosen(path); });
    if (paths.isEmpty())
        recentMenu_->addAction(tr("（なし）"))->setEnabled(false);
    recentMenu_->addSeparator();
    QAction* clear = recentMenu_->addAction(tr("一覧を消去(&C)"));
    clear->setObjectName(QStringLiteral("clearRecentAction"));
    clear->setEnabled(!paths.isEmpty());
    connect(clear, &QAction::triggered, this, &OpenActions::recentCleared);
}

bool OpenActions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (droppedPath(drag->mimeData()).isEmpty())
            return QObject::eventFilter(watched, event);
        drag->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = droppedPath(drop->mimeData());
        if (path.isEmpty())
            return QObject::eventFilter(watched, event);
        drop->acceptProposedAction();
        // After the drop is done: opening replaces the window it was dropped on.
        QMetaObject::invokeMethod(
            this, [this, path] { emit openRequested(path); }, Qt::QueuedConnection);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kelmor
