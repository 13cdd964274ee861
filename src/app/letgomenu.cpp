#include "app/letgomenu.h"

#include <QAction>
#include <QDateTime>
#include <QMenu>
#include <utility>

#include "document/headercodec.h"
#include "document/mapdocument.h"

namespace kelmor {

LetGoMenu::LetGoMenu(const MapDocument& document, std::function<void(std::uint64_t)> putBack, QWidget& window)
    : QObject(&window),
      document_(document),
      putBack_(std::move(putBack)),
      menu_(new QMenu(tr("手放した変更(&L)"), &window))
{
    menu_->setObjectName(QStringLiteral("letGoMenu"));
    menu_->menuAction()->setObjectName(QStringLiteral("letGoMenuAction"));
    // Filled as it opens, so it lists what was let go of until then.
    connect(menu_, &QMenu::aboutToShow, this, &LetGoMenu::fill);
    fill();
}

void LetGoMenu::fill()
{
    menu_->clear();
    const std::vector<LetGoEdit> edits = document_.letGo().of(document_.levelFile().path());
    if (edits.empty()) {
        menu_->addAction(tr("（なし）"))->setEnabled(false);
        return;
    }
    for (const LetGoEdit& edit : edits) {
        const QString when = QDateTime::fromSecsSinceEpoch(
                                 std::chrono::duration_cast<std::chrono::seconds>(edit.when.time_since_epoch()).count())
                                 .toString(QStringLiteral("HH:mm:ss"));
        QAction* action = menu_->addAction(
            tr("map No %1「%2」 %3").arg(edit.edits.mapNo).arg(HeaderCodec().decode(edit.edits.header), when));
        const std::uint64_t id = edit.id;
        connect(action, &QAction::triggered, this, [this, id] { putBack_(id); });
    }
}

}  // namespace kelmor
