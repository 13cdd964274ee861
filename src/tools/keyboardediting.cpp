#include "tools/keyboardediting.h"

#include <algorithm>

#include "document/editsession.h"
#include "document/mapdocument.h"
#include "tools/cellactions.h"

namespace kelmor {

namespace {
char32_t upper(char32_t code)
{
    return code >= U'a' && code <= U'z' ? code - U'a' + U'A' : code;
}

// Counts past the map's longest line mean nothing more.
constexpr int kMostCount = 99;
}  // namespace

void KeyboardEditing::setTyping(bool on)
{
    typing_ = on;
    inRun_ = false;
}

bool KeyboardEditing::continues(CellPos cursor) const
{
    return inRun_ && cursor == expected_ && context_.document.history().index() == historyIndex_;
}

void KeyboardEditing::noteRun(CellPos next)
{
    expected_ = next;
    historyIndex_ = context_.document.history().index();
}

CellPos KeyboardEditing::type(char32_t code, CellPos cursor)
{
    if (!continues(cursor)) {
        inRun_ = true;
        stroke_ = newStroke();
        start_ = cursor;
        atEnd_ = false;
        before_.clear();
    }
    code = upper(code);
    if (atEnd_) {
        context_.showStatus(ToolWords::tr("行の終わりです。カーソルを動かしてから入力してください。"));
        return cursor;
    }
    if (const CodeRefusal why = codeRefusal(code, cursor); why != CodeRefusal::None) {
        context_.showStatus(ToolWords::tr("「%1」はこのマスに置けません。").arg(QString::fromUcs4(&code, 1)));
        noteRun(cursor);
        return cursor;
    }
    const std::optional<char> held = codeAt(context_.document.rows(), cursor);
    if (held && std::none_of(before_.begin(), before_.end(), [&](const auto& b) { return b.first == cursor; }))
        before_.push_back({cursor, *held});
    context_.document.markPressed();
    context_.document.putCells({{cursor, static_cast<char>(code)}}, ToolWords::tr("入力"), stroke_);
    const CellPos next{std::min(cursor.column + 1, kLastColumn), cursor.row};
    atEnd_ = next == cursor;
    noteRun(next);
    return next;
}

CellPos KeyboardEditing::backspace(CellPos cursor)
{
    if (!continues(cursor))
        return cursor;
    CellPos back = cursor;
    if (atEnd_)
        atEnd_ = false;  // the last cell itself goes back
    else if (cursor == start_ || cursor.column == 0)
        return cursor;
    else
        back.column -= 1;
    const auto was = std::find_if(before_.begin(), before_.end(), [&](const auto& b) { return b.first == back; });
    if (was != before_.end())
        context_.document.putCells({{back, was->second}}, ToolWords::tr("入力"), stroke_);
    noteRun(back);
    return back;
}

CellPos KeyboardEditing::enter(CellPos cursor)
{
    const CellPos next{inRun_ ? start_.column : cursor.column, std::min(cursor.row + 1, kLastRow)};
    if (continues(cursor)) {
        atEnd_ = false;
        noteRun(next);
    }
    return next;
}

void KeyboardEditing::addDigit(int digit)
{
    count_ = std::min(count_.value_or(0) * 10 + digit, kMostCount);
    context_.showStatus(ToolWords::tr("回数: %1").arg(*count_));
}

int KeyboardEditing::takeCount()
{
    const int count = std::max(count_.value_or(1), 1);
    count_.reset();
    return count;
}

bool KeyboardEditing::dropCount()
{
    const bool had = count_.has_value();
    count_.reset();
    if (had)
        context_.showStatus(QString());
    return had;
}

std::optional<QString> KeyboardEditing::choose(char32_t code)
{
    choosing_ = false;
    code = upper(code);
    const QStringList& entries = context_.session.paletteEntries();
    for (int position = 0; position < entries.size(); ++position)
        if (!entries[position].isEmpty() && entries[position].toUcs4().front() == code) {
            context_.session.choosePalette(position);
            return entries[position];
        }
    context_.showStatus(ToolWords::tr("「%1」はパレットにありません。").arg(QString::fromUcs4(&code, 1)));
    return std::nullopt;
}

}  // namespace kelmor
