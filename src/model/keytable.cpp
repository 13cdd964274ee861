#include "model/keytable.h"

#include <algorithm>
#include <array>
#include <map>

namespace kelmor {

namespace {

constexpr KeyPlace kMap = KeyPlace::Map;
constexpr KeyPlace kAnywhere = KeyPlace::Anywhere;
constexpr KeyPlace kOverview = KeyPlace::Overview;
constexpr KeyPlace kQuestion = KeyPlace::Question;

// Key names are spelled one way: Page Up, Page Down, Escape, Insert, Delete.
constexpr std::array kRows{
    // The map, while it has the focus.
    KeyRow{nullptr, "arrow keys", kMap, "カーソルを 1 マス動かす", "move the keyboard cursor one cell", "矢印キー"},
    KeyRow{nullptr, "Home, End", kMap, "行の最初 / 最後のマスへ", "the cursor to the row's first or last cell"},
    KeyRow{nullptr, "Space, P", kMap, "パレットの項目を置く（左クリックと同じ。選択範囲があればその全体に）",
           "put the palette's entry, as a left press does (on the whole selection when there is one)"},
    KeyRow{nullptr, "G", kMap, "マスの項目をパレットに取る（右クリックと同じ）",
           "get the cursor's cell into the palette, as a right press does"},
    KeyRow{"penAction, brushAction, rectangleAction, fillAction, selectAction, lineAction, frameAction, stampAction",
           "E, B, R, F, S, L, O, T", kMap, "ペン / ブラシ / 矩形 / 塗りつぶし / 選択 / ライン / 枠 / スタンプ",
           "the tools: pen, brush, rectangle, fill, select, line, frame, stamp"},
    KeyRow{nullptr, "digits, then a move", kMap, "その回数だけ動かす（例: 10↓）",
           "a count: the next arrow, Shift+arrow or Alt+arrow acts that many times", "数字のあとに移動キー"},
    KeyRow{nullptr, "Ctrl+arrow keys", kMap, "同じマスの続く端へ跳ぶ", "jump to the end of the run of equal cells",
           "Ctrl+矢印キー"},
    KeyRow{nullptr, "Shift+arrow keys, Ctrl+Shift+arrow keys", kMap, "選択を 1 マス / 続く端まで広げる",
           "extend the selection one cell, or to the end of the run", "Shift+矢印キー, Ctrl+Shift+矢印キー"},
    KeyRow{"typingAction", "Insert", kMap,
           "入力モード（キーの文字を置いて右へ。Space は「0」、Backspace で戻す、Enter で次の行）",
           "typing mode: each key puts its code and moves right; Space puts \"0\", Backspace takes back, "
           "Enter goes to the next row"},
    KeyRow{"chooseCodeAction", "/", kMap, "続けて打ったコードをパレットで選ぶ",
           "then a code: choose that code in the palette"},
    KeyRow{"frameSelectionAction", "Shift+P", kMap, "選択範囲の枠をパレットの項目で塗る",
           "put the palette's entry on the selection's border"},
    KeyRow{"moveSelectionLeftAction, moveSelectionRightAction, moveSelectionUpAction, moveSelectionDownAction",
           "Alt+Left, Alt+Right, Alt+Up, Alt+Down", kMap, "選択範囲を 1 マス移動", "move the selected cells one cell"},
    KeyRow{"copySelectionLeftAction, copySelectionRightAction, copySelectionUpAction, copySelectionDownAction",
           "Alt+Shift+Left, Alt+Shift+Right, Alt+Shift+Up, Alt+Shift+Down", kMap, "選択範囲を 1 マス先へ複製",
           "copy the selected cells one cell over"},
    KeyRow{"selectAllAction", "Ctrl+A", kMap, "すべて選択", "select the whole map"},
    KeyRow{"clearSelectionAction", "Escape", kMap, "ドラッグ、回数、入力モード、選択のうち最初のものを取り消す",
           "cancel the first of: a drag, a count, typing mode, the selection"},
    KeyRow{"copyAction", "Ctrl+C, Ctrl+Insert", kMap, "コピー", "copy the selection"},
    KeyRow{"cutAction", "Ctrl+X, Shift+Delete", kMap, "切り取り", "cut the selection"},
    KeyRow{"pasteAction", "Ctrl+V, Shift+Insert", kMap, "カーソルの位置へ貼り付け", "paste at the cursor"},
    KeyRow{"deleteAction", "Delete", kMap, "選択範囲を「0」に", "fill the selection with \"0\""},
    // Wherever the focus is (a text box keeps its own undo and redo).
    KeyRow{"undoAction", "Ctrl+Z", kAnywhere, "元に戻す", "undo the last step on this map"},
    KeyRow{"redoAction", "Ctrl+Shift+Z, Ctrl+Y", kAnywhere, "やり直し", "redo"},
    KeyRow{"previousAction, nextAction", "Page Up, Page Down", kAnywhere, "前のマップ / 次のマップ",
           "the previous or next map"},
    KeyRow{"firstAction, lastAction", "Ctrl+Home, Ctrl+End", kAnywhere, "最初のマップ / 最後のマップ",
           "the first or last map"},
    KeyRow{"goToAction", "Ctrl+G", kAnywhere, "マップへ移動（番号を入力）", "go to a map by its number"},
    KeyRow{"createAction, duplicateAction", "Ctrl+N, Ctrl+D", kAnywhere, "マップ作成 / マップ複製",
           "create a map, duplicate the map on screen"},
    KeyRow{"overviewAction", "Ctrl+L", kAnywhere, "マップ一覧（ヘッダーで検索、Enter でそのマップへ）",
           "the map overview: every map as a small picture, searchable by its header"},
    KeyRow{"openAction", "Ctrl+O", kAnywhere, "レベルファイルを開く", "open another level file or folder"},
    KeyRow{"saveAction", "Ctrl+S", kAnywhere, "マップ保存", "save the map"},
    KeyRow{"closeAction", "Ctrl+Q", kAnywhere, "閉じる", "close the window, asking first about unsaved edits"},
    KeyRow{
        "reloadAction, keepAction", "Alt+R, Alt+K", kAnywhere,
        "ファイルが外部で変更されたときの「再読み込み」/「このまま」",
        "reload the map from the file, or keep the edits on screen, while the bar about a change from outside shows"},
    // In マップ一覧's list.
    KeyRow{nullptr, "Enter", kOverview, "選んだマップへ", "go to the highlighted map"},
    KeyRow{"moveMapUpAction, moveMapDownAction", "Alt+Up, Alt+Down", kOverview,
           "マップを一つ上 / 下へ移動（ドラッグでも移動）", "move the highlighted map up or down (or drag it)"},
    KeyRow{"insertMapAfterAction, insertMapBeforeAction", "Insert, Shift+Insert", kOverview,
           "後ろ / 前に空のマップを挿入", "put a blank map after or before the highlighted one"},
    KeyRow{"deleteMapAction", "Delete", kOverview, "マップを削除", "delete the highlighted map"},
    KeyRow{"undoOrderAction, redoOrderAction", "Ctrl+Z, Ctrl+Shift+Z", kOverview, "並べ替えを元に戻す / やり直す",
           "undo or redo those changes"},
    // In a question or a notice.
    KeyRow{nullptr, "Y, N", kQuestion, "質問に「はい」/「いいえ」で答える（Esc では閉じない）",
           "answer a question yes or no (Escape does not close it)"},
    KeyRow{nullptr, "Enter, Escape", kQuestion, "お知らせを閉じる", "close a notice"},
};

const char* placeHeading(KeyPlace place)
{
    switch (place) {
    case KeyPlace::Map: return "On the map (Tab moves the focus there):\n";
    case KeyPlace::Anywhere: return "Anywhere:\n";
    case KeyPlace::Overview: return "In マップ一覧's list:\n";
    case KeyPlace::Question: return "In a question or a notice:\n";
    }
    return "";
}

}  // namespace

std::span<const KeyRow> keyTable()
{
    return kRows;
}

std::vector<std::string> splitKeyList(std::string_view list)
{
    std::vector<std::string> parts;
    while (!list.empty()) {
        const std::size_t comma = list.find(", ");
        parts.emplace_back(list.substr(0, comma));
        list.remove_prefix(comma == std::string_view::npos ? list.size() : comma + 2);
    }
    return parts;
}

std::vector<std::string> keysOfAction(std::string_view action)
{
    // Every command asks once while the window is built: the table is read
    // into an index the first time, not split again for each command.
    static const std::map<std::string, std::vector<std::string>, std::less<>> index = [] {
        std::map<std::string, std::vector<std::string>, std::less<>> keysOf;
        for (const KeyRow& row : kRows) {
            if (row.actions == nullptr)
                continue;
            const std::vector<std::string> actions = splitKeyList(row.actions);
            const std::vector<std::string> keys = splitKeyList(row.keys);
            for (std::size_t a = 0; a < actions.size(); ++a)
                keysOf.try_emplace(actions[a], actions.size() == 1 ? keys : std::vector<std::string>{keys.at(a)});
        }
        return keysOf;
    }();
    const auto found = index.find(action);
    return found == index.end() ? std::vector<std::string>{} : found->second;
}

std::string keysHelpText()
{
    std::string text = "Keys:\n";
    KeyPlace place = KeyPlace::Question;
    bool first = true;
    for (const KeyRow& row : kRows) {
        if (first || row.place != place)
            text += std::string("  ") + placeHeading(row.place);
        first = false;
        place = row.place;
        constexpr std::size_t kColumn = 30, kWidth = 79;
        std::string line = "    " + std::string(row.keys);
        // The description in a column of its own, wrapped within a terminal's
        // width, on the keys' line where they leave room.
        if (line.size() >= kColumn) {
            text += line + "\n";
            line.clear();
        }
        std::string_view words = row.english;
        while (!words.empty()) {
            line.resize(kColumn, ' ');
            std::size_t cut = words.size();
            if (kColumn + cut > kWidth) {
                cut = words.rfind(' ', kWidth - kColumn);
                cut = cut == std::string_view::npos ? words.find(' ') : cut;
                cut = cut == std::string_view::npos ? words.size() : cut;
            }
            line += words.substr(0, cut);
            text += line + "\n";
            line.clear();
            words.remove_prefix(std::min(words.size(), cut + 1));
        }
    }
    return text;
}

}  // namespace kelmor
