#include "app/overviewwindow.h"

#include <QAction>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QLineEdit>
#include <QListView>
#include <QSortFilterProxyModel>
#include <QVBoxLayout>
#include <functional>

#include "app/widgetaction.h"
#include "document/mapoverview.h"
#include "view/overviewdelegate.h"

namespace kelmor {

OverviewWindow::OverviewWindow(MapOverview& maps, OverviewDelegate* delegate, QWidget* parent)
    : QWidget(parent, Qt::Window),
      maps_(maps)
{
    setObjectName(QStringLiteral("overviewWindow"));
    setWindowTitle(tr("マップ一覧"));
    filter_ = new QSortFilterProxyModel(this);
    filter_->setSourceModel(&maps);
    filter_->setFilterRole(MapOverview::HeaderRole);
    filter_->setFilterCaseSensitivity(Qt::CaseInsensitive);

    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("overviewSearch"));
    search_->setPlaceholderText(tr("ヘッダーで検索"));
    search_->setAccessibleName(tr("ヘッダーで検索"));
    search_->setClearButtonEnabled(true);

    list_ = new QListView(this);
    list_->setObjectName(QStringLiteral("overviewList"));
    list_->setAccessibleName(tr("マップ一覧"));
    list_->setModel(filter_);
    delegate->setParent(this);
    list_->setItemDelegate(delegate);
    // Every row the same height: 32,767 maps scroll without measuring each.
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    // A map is dragged to its new place; the file is changed, never the list.
    list_->setDragEnabled(true);
    list_->setAcceptDrops(true);
    list_->viewport()->setAcceptDrops(true);
    list_->setDropIndicatorShown(true);
    list_->setDragDropMode(QAbstractItemView::DragDrop);
    list_->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(new QMenuBar(this));
    layout->addWidget(search_);
    layout->addWidget(list_);
    createActions();
    resize(460, 480);

    connect(search_, &QLineEdit::textChanged, filter_, &QSortFilterProxyModel::setFilterFixedString);
    // Enter in the field goes to the highlighted map, or the first one found.
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        const QModelIndex current = list_->currentIndex();
        choose(current.isValid() ? current : filter_->index(0, 0));
    });
    connect(list_, &QListView::activated, this, &OverviewWindow::choose);
    connect(list_, &QListView::doubleClicked, this, &OverviewWindow::choose);
    setTabOrder(search_, list_);
}

QAction* OverviewWindow::listAction(const char* name, const QString& text)
{
    // In the search field the same keys edit its text.
    return widgetAction(list_, this, name, text);
}

void OverviewWindow::createActions()
{
    const auto on = [this](const std::function<MapOrderChange(MapNumber)>& change) {
        return [this, change] {
            if (const MapNumber mapNo = current(); mapNo > 0)
                emit changeAsked(change(mapNo));
        };
    };
    QAction* up = listAction("moveMapUpAction", tr("上へ移動(&U)"));
    QAction* down = listAction("moveMapDownAction", tr("下へ移動(&D)"));
    QAction* after = listAction("insertMapAfterAction", tr("後ろに空のマップを挿入(&I)"));
    QAction* before = listAction("insertMapBeforeAction", tr("前に空のマップを挿入(&B)"));
    QAction* remove = listAction("deleteMapAction", tr("マップを削除(&R)..."));
    undo_ = listAction("undoOrderAction", tr("並べ替えを元に戻す(&Z)"));
    redo_ = listAction("redoOrderAction", tr("並べ替えをやり直す(&Y)"));
    setUndoable(false, false);
    connect(up, &QAction::triggered, this, on([](MapNumber n) { return MapOrderChange::move(n, n - 1); }));
    connect(down, &QAction::triggered, this, on([](MapNumber n) { return MapOrderChange::move(n, n + 1); }));
    connect(after, &QAction::triggered, this, on([](MapNumber n) { return MapOrderChange::insert(n + 1); }));
    connect(before, &QAction::triggered, this, on([](MapNumber n) { return MapOrderChange::insert(n); }));
    connect(remove, &QAction::triggered, this, on([](MapNumber n) { return MapOrderChange::remove(n); }));
    connect(undo_, &QAction::triggered, this, &OverviewWindow::undoAsked);
    connect(redo_, &QAction::triggered, this, &OverviewWindow::redoAsked);

    QMenu* menu = static_cast<QMenuBar*>(layout()->menuBar())->addMenu(tr("並べ替え(&O)"));
    menu->addActions({up, down});
    menu->addSeparator();
    menu->addActions({after, before, remove});
    menu->addSeparator();
    menu->addActions({undo_, redo_});
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void OverviewWindow::setUndoable(bool undo, bool redo)
{
    undo_->setEnabled(undo);
    redo_->setEnabled(redo);
}

MapNumber OverviewWindow::current() const
{
    const QModelIndex index = list_->currentIndex();
    return index.isValid() ? index.data(MapOverview::MapNoRole).toLongLong() : 0;
}

bool OverviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_->viewport() &&
        (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove || event->type() == QEvent::Drop))
        return dropped(event);
    return QWidget::eventFilter(watched, event);
}

bool OverviewWindow::dropped(QEvent* event)
{
    auto* drop = static_cast<QDropEvent*>(event);
    // Only a map of a list, and only while every map shows: with maps hidden
    // by a search, where one lands between them is unclear.
    const QMimeData* dragged = drop->mimeData();
    if (dragged == nullptr || !dragged->hasFormat(filter_->mimeTypes().value(0)) || !search_->text().isEmpty()) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::MoveAction);
    drop->accept();
    if (event->type() != QEvent::Drop)
        return true;
    const QModelIndex target = list_->indexAt(drop->position().toPoint());
    const MapNumber from = current();
    const MapNumber to =
        target.isValid() ? target.data(MapOverview::MapNoRole).toLongLong() : filter_->rowCount();  // past the end
    if (from > 0 && to > 0 && to != from)
        emit changeAsked(MapOrderChange::move(from, to));
    // The view does not move anything itself.
    drop->setDropAction(Qt::IgnoreAction);
    return true;
}

void OverviewWindow::choose(const QModelIndex& index)
{
    if (index.isValid())
        emit chosen(index.data(MapOverview::MapNoRole).toLongLong());
}

void OverviewWindow::highlight(MapNumber mapNo)
{
    maps_.listUntil(mapNo);
    const QModelIndex at = filter_->mapFromSource(maps_.index(maps_.rowOf(mapNo), 0));
    if (!at.isValid())
        return;
    list_->setCurrentIndex(at);
    list_->scrollTo(at, QAbstractItemView::PositionAtCenter);
}

void OverviewWindow::showAt(MapNumber mapNo)
{
    maps_.refresh();
    highlight(mapNo);
    show();
    raise();
    activateWindow();
    list_->setFocus();
}

}  // namespace kelmor
