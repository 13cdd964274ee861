#pragma once

#include <QString>
#include <optional>

#include "tools/tool.h"

namespace kelmor {

// The map's keys beyond moving the cursor: typing mode, where each key puts
// its code and moves on, a count typed before a move, and "/" before a code
// that chooses it in the palette. The map view asks it what to do and moves
// the cursor where it says.
class KeyboardEditing {
public:
    explicit KeyboardEditing(ToolContext& context) : context_(context) {}

    bool typing() const { return typing_; }
    // Leaving typing mode ends the run of typing.
    void setTyping(bool on);

    // Typing mode: `code` typed at `cursor` (letters in upper case), put by
    // the one rule of what a cell takes; a refusal is told in the status bar.
    // Returns where the cursor goes: one cell right, or where it is at the
    // row's end, from where further codes are refused until it moves.
    CellPos type(char32_t code, CellPos cursor);
    // One cell back, putting back what that cell held before this run; at
    // the run's first cell, nothing.
    CellPos backspace(CellPos cursor);
    // The next row, at the column where the run began.
    CellPos enter(CellPos cursor);

    // A count typed before a move: its digits so far; nothing when none.
    std::optional<int> count() const { return count_; }
    void addDigit(int digit);
    // The count for the next move (1 without one), and it is gone.
    int takeCount();
    // Escape: false when there was no count.
    bool dropCount();

    // "/" was typed: the next code chooses the palette's entry.
    bool choosing() const { return choosing_; }
    void startChoosing() { choosing_ = true; }
    // Chooses the entry for `code` (letters in upper case); its text, or
    // nothing when the palette has none (told in the status bar).
    std::optional<QString> choose(char32_t code);

private:
    // Whether typing at `cursor` goes on with the run: the cursor is where
    // the run left it and nothing else changed the map since.
    bool continues(CellPos cursor) const;
    void noteRun(CellPos next);

    ToolContext& context_;
    bool typing_ = false;
    bool inRun_ = false;
    int stroke_ = 0;
    CellPos start_;
    CellPos expected_;
    int historyIndex_ = -1;
    // At the row's end: the last cell is typed, the cursor stays.
    bool atEnd_ = false;
    // What the cells typed over held before the run, by column and row.
    std::vector<std::pair<CellPos, char>> before_;
    std::optional<int> count_;
    bool choosing_ = false;
};

}  // namespace kelmor
