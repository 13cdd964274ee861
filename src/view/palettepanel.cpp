#include "view/palettepanel.h"

#include <QPixmap>
#include <QSignalBlocker>
#include <QStyle>

#include "view/mapimage.h"
#include "view/paletteentrytext.h"
#include "view/pixelrepeat.h"

namespace kelmor {

namespace {
// Twice a cell: the graphics are small.
constexpr int kScale = 2;
constexpr int kPicture = kCellSize * kScale;
constexpr int kColumns = 4;
constexpr int kGap = 4;
}  // namespace

PalettePanel::PalettePanel(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("palettePanel"));
    setAccessibleName(tr("パレットの絵"));
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setWrapping(true);
    setFlow(QListView::LeftToRight);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(kPicture, kPicture));
    setGridSize(QSize(kPicture + kGap, kPicture + kGap));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    // Room for the columns beside the scroll bar that a short window shows.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    setFixedWidth(kColumns * (kPicture + kGap) + 2 * frameWidth() + scrollBar + 4);

    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { emit chosen(row(item)); });
    connect(this, &QListWidget::currentRowChanged, this, [this](int position) {
        if (position >= 0)
            emit chosen(position);
    });
}

void PalettePanel::setEntries(const Palette& palette, const Catalogue& catalogue, const TileSheet& sheet)
{
    const QSignalBlocker quiet(this);
    clear();
    for (const std::string& entry : palette.items) {
        const QString text = paletteEntryText(entry);
        const QImage cell = MapImage::cellPicture(entry.empty() ? ' ' : entry.front(), catalogue, sheet);
        // Pixels repeated, never smoothed: the tiles are pixel art.
        const QPixmap picture = QPixmap::fromImage(repeatPixels(cell, kScale));
        auto* item = new QListWidgetItem(QIcon(picture), QString(), this);
        item->setToolTip(text);
        item->setData(Qt::AccessibleTextRole, text);
        item->setSizeHint(gridSize());
    }
}

void PalettePanel::select(int position)
{
    const QSignalBlocker quiet(this);
    setCurrentRow(position);
}

}  // namespace kelmor
