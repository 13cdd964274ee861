#include "app/windowtoolcontext.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QStatusBar>

#include "app/asker.h"
#include "app/messages.h"
#include "view/mapview.h"

namespace kelmor {

namespace {
// How long a tool's passing message stays in the status bar.
constexpr int kStatusMessageMs = 5000;
}  // namespace

ToolContext windowToolContext(MapDocument& document, EditSession& session, Asker& asker, MapView& view,
                              QStatusBar& statusBar)
{
    ToolContext context{document, session};
    context.refuse = [&asker](const CodeRefused& refused) {
        asker.notify(refused.line == 0 ? codeRefusedText(refused.code, refused.why)
                                       : pasteRefusedText(refused.code, refused.line, refused.column, refused.why));
    };
    context.moveCursor = [&view](CellPos cell) { view.moveCursorTo(cell.row, cell.column); };
    context.clipboardText = [] { return QGuiApplication::clipboard()->text(); };
    context.showStatus = [&statusBar](const QString& text) { statusBar.showMessage(text, kStatusMessageMs); };
    return context;
}

}  // namespace kelmor
