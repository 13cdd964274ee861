// Every command as one action, whether a button, a key or the menu bar
// triggers it: the window's own, the tools' (from their registry), the
// selection's and the map keys'.
#include <QAction>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

#include "app/asker.h"
#include "app/commandactions.h"
#include "app/form1.h"
#include "app/letgomenu.h"
#include "app/mapkeyactions.h"
#include "app/menubar.h"
#include "app/messages.h"
#include "app/overviewcontrol.h"
#include "app/palettecontrol.h"
#include "app/selectionactions.h"
#include "app/statusline.h"
#include "app/toolactions.h"
#include "app/windowtoolcontext.h"
#include "tools/toolbox.h"
#include "view/mapview.h"

namespace kelmor {

namespace {
// How long the status bar names a map put in from マップ一覧.
constexpr int kStatusMessageMs = 5000;
}  // namespace

void Form1::createActions()
{
    commands_ = new CommandActions(*this, document_.history());
    using C = CommandActions;
    const CommandActions& c = *commands_;
    const std::pair<C::Command, void (Form1::*)()> handlers[] = {
        {C::Save, &Form1::Command1_Click},     {C::Next, &Form1::Command2_Click},   {C::Erase, &Form1::Command3_Click},
        {C::Previous, &Form1::Command4_Click}, {C::Create, &Form1::Command5_Click}, {C::Last, &Form1::Command6_Click},
        {C::First, &Form1::Command7_Click},    {C::GoTo, &Form1::goToMap}};
    for (const auto& [command, handler] : handlers)
        connect(c[command], &QAction::triggered, this, handler);
    connect(c[C::Duplicate], &QAction::triggered, this, [this] { navigation_.duplicate(); });
    overview_ =
        new OverviewControl(document_, asker_, parts_, tiles_.sheet(), *this,
                            {{[this] { return saving_.saveIfEdited(); }, [this](MapNumber mapNo) { subMapload(mapNo); },
                              [this](const QString& text) { statusBar()->showMessage(text, kStatusMessageMs); }},
                             [this] { navigation_.tellOverflow(); }});
    connect(c[C::Overview], &QAction::triggered, overview_, &OverviewControl::show);
    connect(c[C::Close], &QAction::triggered, this, &QWidget::close);
    connect(c[C::Keys], &QAction::triggered, this, [this] { asker_.notify(keysText()); });
    connect(c[C::About], &QAction::triggered, this,
            [this] { asker_.notify(tr("kelmor-x map editor\nバージョン %1").arg(QStringLiteral(KELMOR_VERSION))); });

    // Each button does what its action does and is enabled as its action is.
    const std::pair<QPushButton*, C::Command> buttons[] = {
        {ui_.Command1, C::Save},   {ui_.Command2, C::Next}, {ui_.Command3, C::Erase}, {ui_.Command4, C::Previous},
        {ui_.Command5, C::Create}, {ui_.Command6, C::Last}, {ui_.Command7, C::First}};
    for (const auto& [button, command] : buttons) {
        connect(button, &QPushButton::clicked, c[command], &QAction::trigger);
        connect(c[command], &QAction::enabledChanged, button, &QPushButton::setEnabled);
    }
}

void Form1::createTools()
{
    toolBox_ = new ToolBox(windowToolContext(document_, session_, asker_, *ui_.Picture2, *statusBar()));
    toolBox_->setParent(this);
    ui_.Picture2->setTools(toolBox_);

    toolActions_ =
        new ToolActions(*ui_.Picture2, *toolBox_, *this, [this](const QString& text) { statusLine_->showTool(text); });
    addToolBar(Qt::TopToolBarArea, toolActions_->toolBar());

    selectionActions_ = new SelectionActions(*ui_.Picture2, *toolBox_, this);

    keyActions_ = new MapKeyActions(*ui_.Picture2, *toolBox_, this);
}

OverviewWindow* Form1::overview() const
{
    return overview_->window();
}

void Form1::createMenus()
{
    auto* letGo = new LetGoMenu(
        document_, [this](std::uint64_t id) { navigation_.putBack(id); }, *this);
    fillMenuBar(*this, {*commands_, letGo->menu(), selectionActions_->clipboardActions(),
                        selectionActions_->selectingActions(), keyActions_->actions(),
                        toolActions_->toolBar()->toggleViewAction(), palette_->showingAction(), toolActions_->actions(),
                        *ui_.Picture2});
}

}  // namespace kelmor
