#include "app/statusline.h"

#include <QLabel>
#include <QStatusBar>

#include "document/editsession.h"
#include "document/mapdocument.h"
#include "edit/placepick.h"
#include "model/celldecode.h"
#include "view/mapview.h"

namespace kelmor {

namespace {
QLabel* addField(QStatusBar& bar, const char* name, int stretch)
{
    auto* label = new QLabel(&bar);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);  // a cell's code from the file, never markup
    bar.addWidget(label, stretch);
    return label;
}
}  // namespace

StatusLine::StatusLine(QStatusBar& bar, const MapDocument& document, const EditSession& session, MapView& view)
    : QObject(&bar),
      document_(document),
      session_(session),
      view_(view),
      cell_(addField(bar, "cellStatus", 1)),
      map_(addField(bar, "mapStatus", 0)),
      mark_(addField(bar, "markStatus", 0)),
      tool_(addField(bar, "toolStatus", 0)),
      level_(addField(bar, "levelStatus", 0))
{
    // The level file by its name; its whole path where there is room for it.
    const QString path = document_.levelPath();
    level_->setText(document_.levelName());
    level_->setToolTip(path);
    level_->setAccessibleDescription(path);
    showMark();
    connect(&view_, &MapView::hovered, this, &StatusLine::showCell);
    connect(&view_, &MapView::cursorMoved, this, &StatusLine::showCell);
    connect(&view_, &MapView::cursorMoved, this, &StatusLine::describeCursor);
    connect(&document_, &MapDocument::cellChanged, this, &StatusLine::refresh);
    // Whether the map differs from the file changes with its cells, its
    // header and its mark.
    connect(&document_, &MapDocument::markedChanged, this, &StatusLine::showMark);
    connect(&document_, &MapDocument::headerChanged, this, &StatusLine::showMark);
    connect(&document_, &MapDocument::mapReplaced, this, &StatusLine::showMark);
    connect(&document_, &MapDocument::mapNoChanged, this,
            [this](MapNumber number) { map_->setText(QStringLiteral("map No %1").arg(number)); });
}

void StatusLine::showTool(const QString& text)
{
    tool_->setText(text);
}

void StatusLine::refresh()
{
    showMark();
    describeCursor();
    showCell(row_, column_);
}

void StatusLine::showCell(int row, int column)
{
    row_ = row;
    column_ = column;
    cell_->setText(cellText(CellPos{column, row}));
}

void StatusLine::showMark()
{
    // A map that differs from the file but is not marked (after No to the
    // save question) is left without a question: say so before it is.
    mark_->setText(document_.marked()            ? tr("未保存の変更あり")
                   : document_.differsFromFile() ? tr("保存しない変更あり（移動すると手放します）")
                                                 : tr("変更なし"));
}

void StatusLine::describeCursor()
{
    view_.setAccessibleDescription(cellText(CellPos{view_.cursorColumn(), view_.cursorRow()}));
}

QString StatusLine::cellText(const CellPos& cell) const
{
    QString holds = tr("（なし）");
    if (const std::optional<int> position = session_.entryAt(cell))
        holds = session_.paletteEntries()[*position];
    else if (const std::optional<char> code = codeAt(document_.rows(), cell))
        holds = namesCatalogueEntry(*code)
                    ? QString::fromLatin1(&*code, 1)
                    : tr("コード「%1」はカタログの何も表しません").arg(QString::fromLatin1(&*code, 1));
    return tr("列 %1、行 %2: %3").arg(cell.column).arg(cell.row).arg(holds);
}

}  // namespace kelmor
