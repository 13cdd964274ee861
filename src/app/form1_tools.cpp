// Painting many cells at once: the tools, the selection and the clipboard,
// and duplicating a map. Each gesture is one step of the history and
// repaints only the cells it changed.
#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QToolBar>

#include "app/asker.h"
#include "app/form1.h"
#include "app/messages.h"
#include "edit/cliptext.h"
#include "view/mapview.h"
#include "view/toolicons.h"

namespace kelmor {

namespace {
using Tool = MapView::Tool;

QString toolName(Tool tool)
{
    switch (tool) {
    case Tool::Pen: return QStringLiteral("ペン");
    case Tool::Brush: return QStringLiteral("ブラシ");
    case Tool::Rectangle: return QStringLiteral("矩形");
    case Tool::Fill: return QStringLiteral("塗りつぶし");
    case Tool::Select: return QStringLiteral("選択");
    }
    return {};
}

CellRect cellRect(const QRect& cells)
{
    return {cells.left(), cells.top(), cells.right(), cells.bottom()};
}

std::vector<std::pair<CellPos, char>> filled(const std::vector<CellPos>& cells, char code)
{
    std::vector<std::pair<CellPos, char>> put;
    put.reserve(cells.size());
    for (const CellPos& cell : cells)
        put.push_back({cell, code});
    return put;
}
}  // namespace

// An action of the map alone: its key works while the map has the focus, so
// the header box and the palette keep their own typing and editing keys.
QAction* Form1::mapAction(const char* name, const QString& text, const QKeySequence& key)
{
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
    Picture2->addAction(action);
    return action;
}

void Form1::createTools()
{
    auto* group = new QActionGroup(this);
    const struct {
        const char* name;
        Tool tool;
        Qt::Key key;
    } tools[] = {{"penAction", Tool::Pen, Qt::Key_E},
                 {"brushAction", Tool::Brush, Qt::Key_B},
                 {"rectangleAction", Tool::Rectangle, Qt::Key_R},
                 {"fillAction", Tool::Fill, Qt::Key_F},
                 {"selectAction", Tool::Select, Qt::Key_S}};
    toolBar_ = new QToolBar(QStringLiteral("ツール"), this);
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    for (const auto& [name, tool, key] : tools) {
        QAction* action = mapAction(name, toolName(tool), QKeySequence(key));
        action->setIcon(toolIcon(tool));
        action->setCheckable(true);
        action->setChecked(tool == Tool::Pen);
        group->addAction(action);
        toolBar_->addAction(action);
        toolActions_.append(action);
        connect(action, &QAction::triggered, this, [this, tool] {
            Picture2->setTool(tool);
            toolStatus_->setText(QStringLiteral("ツール: ") + toolName(tool));
        });
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);

    selectAllAction_ = mapAction("selectAllAction", QStringLiteral("すべて選択(&A)"), QKeySequence::SelectAll);
    clearSelectionAction_ = mapAction("clearSelectionAction", QStringLiteral("選択解除"), QKeySequence(Qt::Key_Escape));
    copyAction_ = mapAction("copyAction", QStringLiteral("コピー(&C)"), QKeySequence::Copy);
    cutAction_ = mapAction("cutAction", QStringLiteral("切り取り(&T)"), QKeySequence::Cut);
    pasteAction_ = mapAction("pasteAction", QStringLiteral("貼り付け(&P)"), QKeySequence::Paste);
    deleteAction_ = mapAction("deleteAction", QStringLiteral("削除(&D)"), QKeySequence::Delete);
    duplicateAction_ = new QAction(QStringLiteral("マップ複製(&D)"), this);
    duplicateAction_->setObjectName(QStringLiteral("duplicateAction"));
    addAction(duplicateAction_);

    connect(selectAllAction_, &QAction::triggered, this,
            [this] { Picture2->setSelection(QRect(0, 0, kMapColumns, kMapRows)); });
    connect(clearSelectionAction_, &QAction::triggered, this, [this] {
        if (!Picture2->cancelRectangle())
            Picture2->setSelection({});
    });
    connect(copyAction_, &QAction::triggered, this, &Form1::copySelection);
    connect(cutAction_, &QAction::triggered, this, [this] {
        if (copySelection())
            fillSelection('0', QStringLiteral("切り取り"));
    });
    connect(deleteAction_, &QAction::triggered, this, [this] { fillSelection('0', QStringLiteral("削除")); });
    connect(pasteAction_, &QAction::triggered, this, &Form1::paste);
    connect(duplicateAction_, &QAction::triggered, this, &Form1::duplicateMap);

    connect(Picture2, &MapView::brushed, this, &Form1::brush);
    connect(Picture2, &MapView::rectangleDrawn, this, [this](const QRect& cells) {
        document_.markPressed();
        putPalette(rectCells(document_.rows(), cellRect(cells)), QStringLiteral("矩形"));
    });
    connect(Picture2, &MapView::fillPressed, this, [this](const QPoint& cell) {
        document_.markPressed();
        putPalette(floodCells(document_.rows(), {cell.x(), cell.y()}), QStringLiteral("塗りつぶし"));
    });
    connect(Picture2, &MapView::putPressed, this, [this] {
        document_.markPressed();
        putPalette(rectCells(document_.rows(), cellRect(Picture2->selection())), QStringLiteral("選択範囲を塗る"));
    });
}

std::optional<char> Form1::paletteCodeFor(const std::vector<CellPos>& cells)
{
    const QString text = Combo1->currentText();
    if (text.isEmpty())
        return std::nullopt;
    const char32_t code = text.toUcs4().front();
    for (const CellPos& cell : cells)
        if (const CodeRefusal why = codeRefusal(code, cell); why != CodeRefusal::None) {
            asker_.notify(codeRefusedText(code, why));
            return std::nullopt;
        }
    return static_cast<char>(code);
}

void Form1::putPalette(const std::vector<CellPos>& cells, const QString& step, int stroke)
{
    if (const std::optional<char> code = paletteCodeFor(cells))
        document_.putCells(filled(cells, *code), step, stroke);
}

void Form1::brush(const QList<QPoint>& passed, bool first)
{
    if (first) {
        document_.markPressed();
        ++stroke_;
        strokeRefused_ = false;
    }
    if (strokeRefused_)
        return;
    std::vector<CellPos> cells;
    for (const QPoint& p : passed)
        cells.push_back({p.x(), p.y()});
    const std::optional<char> code = paletteCodeFor(cells);
    if (!code) {
        strokeRefused_ = true;  // told once; the rest of the stroke puts nothing
        return;
    }
    document_.putCells(filled(cells, *code), QStringLiteral("ブラシ"), stroke_);
}

bool Form1::copySelection()
{
    const QRect selection = Picture2->selection();
    if (selection.isEmpty())
        return false;
    QGuiApplication::clipboard()->setText(QString::fromLatin1(copyText(document_.rows(), cellRect(selection))));
    return true;
}

void Form1::fillSelection(char code, const QString& step)
{
    const QRect selection = Picture2->selection();
    if (selection.isEmpty())
        return;
    document_.markPressed();
    document_.putCells(filled(rectCells(document_.rows(), cellRect(selection)), code), step);
}

void Form1::paste()
{
    const PasteText text = readPasteText(QGuiApplication::clipboard()->text().toStdU32String());
    if (text.refused) {
        const auto& [code, line, column, why] = *text.refused;
        asker_.notify(pasteRefusedText(code, line, column, why));
        return;
    }
    const CellPos at{Picture2->cursorColumn(), Picture2->cursorRow()};
    CellRect covered;
    const auto cells = pasteCells(document_.rows(), text.lines, at, covered);
    if (covered.empty())
        return;
    document_.markPressed();
    document_.putCells(cells, QStringLiteral("貼り付け"));
    Picture2->setSelection(QRect(QPoint(covered.left, covered.top), QPoint(covered.right, covered.bottom)));
}

void Form1::duplicateMap()
{
    // Its rows hold another map's header or a cut line: a copy would be as
    // damaged, and saving it would break the file as saving it would.
    if (document_.unsavable()) {
        asker_.notify(QStringLiteral("map No %1 は %2 の中で壊れているため、複製できません。")
                          .arg(QString::number(document_.mapNo()), levelName()));
        return;
    }
    if (const std::optional<MapNumber> next = askNewMapNumber(QStringLiteral("マップを複製できません")))
        document_.duplicate(*next);
}

}  // namespace kelmor
