// The tools, the selection's and the keys' actions, and duplicating a map.
// The tools come from their registry; the window offers them and passes on
// what they tell.
#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>

#include "app/asker.h"
#include "app/form1.h"
#include "app/statusline.h"
#include "app/toolactions.h"
#include "app/mapkeyactions.h"
#include "app/selectionactions.h"
#include "app/messages.h"
#include "app/widgetaction.h"
#include "tools/toolbox.h"
#include "tools/toolregistry.h"
#include "view/mapview.h"

namespace kelmor {

namespace {
// How long a tool's passing message stays in the status bar.
constexpr int kStatusMessageMs = 5000;
}  // namespace

void Form1::createTools()
{
    ToolContext context{document_, session_};
    context.refuse = [this](const CodeRefused& refused) {
        asker_.notify(refused.line == 0 ? codeRefusedText(refused.code, refused.why)
                                        : pasteRefusedText(refused.code, refused.line, refused.column, refused.why));
    };
    context.moveCursor = [this](CellPos cell) { ui_.Picture2->moveCursorTo(cell.row, cell.column); };
    context.clipboardText = [] { return QGuiApplication::clipboard()->text(); };
    context.showStatus = [this](const QString& text) { statusBar()->showMessage(text, kStatusMessageMs); };
    toolBox_ = new ToolBox(std::move(context));
    toolBox_->setParent(this);
    ui_.Picture2->setTools(toolBox_);

    toolActions_ =
        new ToolActions(*ui_.Picture2, *toolBox_, *this, [this](const QString& text) { statusLine_->showTool(text); });
    addToolBar(Qt::TopToolBarArea, toolActions_->toolBar());

    selectionActions_ = new SelectionActions(*ui_.Picture2, *toolBox_, this);

    keyActions_ = new MapKeyActions(*ui_.Picture2, *toolBox_, this);
}

void Form1::duplicateMap()
{
    // Its rows hold another map's header or a cut line: a copy would be as
    // damaged, and saving it would break the file as saving it would.
    if (document_.unsavable()) {
        asker_.notify(damagedNotDuplicatedText(document_.mapNo(), document_.levelName()));
        return;
    }
    if (const std::optional<MapNumber> next = navigation_.askNewMapNumber(tr("マップを複製できません")))
        document_.duplicate(*next);
}

}  // namespace kelmor
