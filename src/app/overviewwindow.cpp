#include "app/overviewwindow.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QSortFilterProxyModel>
#include <QVBoxLayout>

#include "document/mapoverview.h"
#include "view/overviewdelegate.h"

namespace kelmor {

OverviewWindow::OverviewWindow(MapOverview& maps, OverviewDelegate* delegate, QWidget* parent)
    : QWidget(parent, Qt::Window),
      maps_(maps)
{
    setObjectName(QStringLiteral("overviewWindow"));
    setWindowTitle(QStringLiteral("マップ一覧"));
    filter_ = new QSortFilterProxyModel(this);
    filter_->setSourceModel(&maps);
    filter_->setFilterRole(MapOverview::HeaderRole);
    filter_->setFilterCaseSensitivity(Qt::CaseInsensitive);

    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("overviewSearch"));
    search_->setPlaceholderText(QStringLiteral("ヘッダーで検索"));
    search_->setAccessibleName(QStringLiteral("ヘッダーで検索"));
    search_->setClearButtonEnabled(true);

    list_ = new QListView(this);
    list_->setObjectName(QStringLiteral("overviewList"));
    list_->setAccessibleName(QStringLiteral("マップ一覧"));
    list_->setModel(filter_);
    delegate->setParent(this);
    list_->setItemDelegate(delegate);
    // Every row the same height: 32,767 maps scroll without measuring each.
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(search_);
    layout->addWidget(list_);
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
