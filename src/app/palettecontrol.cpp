#include "app/palettecontrol.h"

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QMainWindow>

#include "document/editsession.h"
#include "model/catalogue.h"
#include "model/palette.h"
#include "view/paletteentrytext.h"
#include "view/palettepanel.h"

namespace kelmor {

PaletteControl::PaletteControl(QComboBox& box, EditSession& session, QMainWindow& window)
    : QObject(&window),
      box_(box),
      session_(session),
      panel_(new PalettePanel),
      dock_(new QDockWidget(tr("パレット"), &window)),
      showing_(new QAction(tr("パレット(&P)"), &window))
{
    dock_->setObjectName(QStringLiteral("paletteDock"));
    // It stays beside the form; the 表示 menu hides and shows it.
    dock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock_->setAllowedAreas(Qt::RightDockWidgetArea);
    dock_->setWidget(panel_);
    window.addDockWidget(Qt::RightDockWidgetArea, dock_);
    showing_->setObjectName(QStringLiteral("paletteAction"));
    showing_->setCheckable(true);
    showing_->setChecked(true);
    connect(showing_, &QAction::toggled, dock_, &QWidget::setVisible);

    // As a pick does: typed text gives way even when the index stays.
    connect(panel_, &PalettePanel::chosen, &session_, &EditSession::choosePalette);
    connect(&box_, &QComboBox::currentIndexChanged, panel_, &PalettePanel::select);
    // The box shows the session's palette and writes it: what is typed
    // there is what the tools put.
    connect(&box_, &QComboBox::currentTextChanged, &session_, &EditSession::setPaletteText);
    connect(&session_, &EditSession::paletteChosen, this, [this](int position) {
        box_.setCurrentIndex(position);
        // Typed text gives way even when the index stays.
        box_.setEditText(box_.itemText(position));
    });
}

void PaletteControl::fill(const Catalogue& parts)
{
    const Palette palette = buildPalette(parts);
    QStringList entries;
    for (const std::string& item : palette.items)
        entries.append(paletteEntryText(item));
    session_.setPalette(entries, palette.partsMax);
    box_.clear();
    box_.addItems(entries);
    box_.setCurrentIndex(0);
}

void PaletteControl::draw(const Catalogue& parts, const TileSheet& sheet)
{
    panel_->setEntries(buildPalette(parts), parts, sheet);
    panel_->select(box_.currentIndex());
}

}  // namespace kelmor
