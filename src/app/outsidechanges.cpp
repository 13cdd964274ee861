#include "app/outsidechanges.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QStatusBar>

#include "app/asker.h"
#include "app/changebar.h"
#include "app/messages.h"
#include "app/widgetaction.h"
#include "document/filewatch.h"
#include "document/mapdocument.h"

namespace kelmor {

namespace {
constexpr int kStatusMs = 10000;

QAction* barAction(QWidget& window, const char* name, const QString& text, const QString& tip)
{
    auto* action = new QAction(text, &window);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(shortcutsOf(name));
    action->setToolTip(tip);
    // Its keys work while it is enabled, whatever the status bar shows.
    window.addAction(action);
    return action;
}
}  // namespace

OutsideChanges::OutsideChanges(MapDocument& document, Asker& asker, QWidget& window, QStatusBar& statusBar,
                               QList<QLabel*> fields, const std::vector<std::string>& files, Hooks hooks)
    : QObject(&window),
      document_(document),
      asker_(asker),
      statusBar_(statusBar),
      fields_(std::move(fields)),
      hooks_(std::move(hooks)),
      reload_(barAction(window, "reloadAction", tr("再読み込み"),
                        tr("画面の変更を捨てて、ファイルから読み込み直す (Alt+R)"))),
      keep_(barAction(window, "keepAction", tr("このまま"),
                      tr("画面の変更で編集を続ける。保存するときは上書きを確認します (Alt+K)"))),
      bar_(new ChangeBar(reload_, keep_)),
      watch_(new FileWatch(files, this)),
      rule_(document)
{
    statusBar_.addPermanentWidget(bar_, 1);
    // The line is as tall as the bar makes it, whether the bar shows or not.
    statusBar_.setMinimumHeight(statusBar_.sizeHint().height());
    hideBar();

    connect(reload_, &QAction::triggered, this, [this] {
        hideBar();
        const MapLoad result = document_.reread();
        if (!MapDocument::rereadShows(result)) {
            // The edits are all there is of this map now: they stay, marked.
            asker_.notify(rereadFailureText(result, document_.levelName(), document_.mapNo()));
            return;
        }
        document_.declineSave();  // the edits are given up, as by No to the save question
        hooks_.showLoaded(result);
    });
    connect(keep_, &QAction::triggered, this, [this] {
        hideBar();
        document_.acceptOutsideChange();
    });
    connect(watch_, &FileWatch::settled, this, &OutsideChanges::follow);
}

void OutsideChanges::follow()
{
    // Never in the middle of a question, a save's question or a press.
    if (QApplication::activeModalWidget() != nullptr || QApplication::mouseButtons() != Qt::NoButton) {
        watch_->later();
        return;
    }
    hooks_.followOthers();
    switch (rule_.next()) {
    case OutsideChangeRule::Step::Nothing: break;
    case OutsideChangeRule::Step::TellGone:
        showBar(tr("%1 が見つからないか、読めなくなりました。画面のマップはそのまま残っています。")
                    .arg(document_.levelName()),
                false);
        break;
    case OutsideChangeRule::Step::AskAboutEdits:
        if (!bar_->isVisible() || !reload_->isEnabled())
            showBar(tr("%1 がほかのプログラムで変更されました。"
                       "このマップには保存していない変更があります。")
                        .arg(document_.levelName()),
                    true);
        break;
    case OutsideChangeRule::Step::ReadAgain: reloadUnedited(); break;
    }
}

void OutsideChanges::reloadUnedited()
{
    const MapLoad result = document_.reread();
    if (!MapDocument::rereadShows(result)) {
        // Nothing on screen changes: the map keeps its number and its origin.
        statusBar_.showMessage(rereadFailureText(result, document_.levelName(), document_.mapNo()), kStatusMs);
        return;
    }
    hooks_.showLoaded(result);
    statusBar_.showMessage(tr("%1 がほかのプログラムで変更されたため、map No %2 を読み込み直しました。")
                               .arg(document_.levelName())
                               .arg(document_.mapNo()),
                           kStatusMs);
}

void OutsideChanges::showBar(const QString& text, bool canReload)
{
    // The bar takes the line of the status fields while it shows.
    for (QLabel* field : fields_)
        field->hide();
    bar_->tell(text, canReload);
}

void OutsideChanges::hideBar()
{
    bar_->dismiss();
    for (QLabel* field : fields_)
        field->show();
}

}  // namespace kelmor
