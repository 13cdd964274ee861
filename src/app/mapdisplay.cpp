#include "app/mapdisplay.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "app/formcontrols.h"
#include "app/statusline.h"
#include "document/mapdocument.h"
#include "view/mapview.h"

namespace kelmor {

MapDisplay::MapDisplay(const MapDocument& document, const FormControls& ui, const Catalogue& parts,
                       const TileSheet& sheet, StatusLine& status, QObject* parent)
    : QObject(parent),
      document_(document),
      ui_(ui),
      parts_(parts),
      sheet_(sheet),
      status_(status)
{
    connect(&document_, &MapDocument::mapNoChanged, this, &MapDisplay::showMapNo);
    connect(&document_, &MapDocument::headerChanged, this, &MapDisplay::showHeader);
    connect(&document_, &MapDocument::rowsChanged, this, &MapDisplay::redraw);
    connect(&document_, &MapDocument::cellChanged, this, [this](CellPos cell) {
        ui_.Picture2->redrawCell(cell.row, cell.column, document_.rows(), parts_, sheet_);
    });
}

void MapDisplay::redraw()
{
    ui_.Picture2->showMap(document_.rows(), parts_, sheet_);
    status_.refresh();
}

void MapDisplay::showHeader(const QString& header)
{
    if (ui_.Text1->text() == header)
        return;
    ui_.Text1->setText(header);
    // A long header shows its start, where its name is.
    ui_.Text1->setCursorPosition(0);
}

void MapDisplay::showMapNo(MapNumber number)
{
    // Having no accessible name of its own, the label tells a screen reader
    // of its new text itself.
    const QString text = QStringLiteral("map No %1").arg(number);
    fitLabel1(text);
    ui_.Label1->setText(text);
}

void MapDisplay::fitLabel1(const QString& text)
{
    // Up to map 99 the label keeps its box and the form's font, as it always
    // had (its last pixel column cut, as it always was). A longer number gets
    // a smaller font, only as small as it needs, and the label widens only as
    // far as the number's last pixel, never to the first button.
    constexpr int kDesignWidth = 65;
    const int room = ui_.Command7->x() - ui_.Label1->x();
    QFont fitting = ui_.form->font();
    while (fitting.pixelSize() > 6 && QFontMetrics(fitting).boundingRect(text).right() >= room)
        fitting.setPixelSize(fitting.pixelSize() - 1);
    const int inkRight = QFontMetrics(fitting).boundingRect(text).right();
    ui_.Label1->setFont(fitting);
    const bool asAlways = fitting.pixelSize() == ui_.form->font().pixelSize() && inkRight <= kDesignWidth;
    ui_.Label1->resize(asAlways ? kDesignWidth : std::max(kDesignWidth, inkRight + 1), ui_.Label1->height());
}

}  // namespace kelmor
