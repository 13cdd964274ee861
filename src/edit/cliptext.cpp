#include "edit/cliptext.h"

#include <algorithm>

namespace kelmor {

std::string copyText(const MapRows& rows, const CellRect& rect)
{
    std::string text;
    for (int r = rect.top; r <= rect.bottom; ++r) {
        if (r > rect.top)
            text += '\n';
        for (int c = rect.left; c <= rect.right; ++c)
            text += codeAt(rows, {c, r}).value_or('0');
    }
    return text;
}

PasteText readPasteText(const std::u32string& text)
{
    PasteText paste;
    std::u32string body = text;
    if (body.ends_with(U"\r\n"))
        body.resize(body.size() - 2);
    else if (body.ends_with(U"\n"))
        body.pop_back();
    std::size_t start = 0;
    for (int line = 1; start <= body.size(); ++line) {
        std::size_t end = body.find(U'\n', start);
        if (end == std::u32string::npos)
            end = body.size();
        std::size_t stop = end;
        if (stop > start && body[stop - 1] == U'\r')
            --stop;
        std::string codes;
        for (std::size_t i = start; i < stop; ++i) {
            const char32_t c = body[i] == U' ' ? U'0' : body[i];
            // Column 1 of the text need not be column 0 of the map: the blank
            // rule never applies, as a blank is read as "0".
            const CodeRefusal why = codeRefusal(c, CellPos{1, 0});
            if (why != CodeRefusal::None) {
                paste.refused = PasteText::Refusal{body[i], line, static_cast<int>(i - start) + 1, why};
                paste.lines.clear();
                return paste;
            }
            codes += static_cast<char>(c);
        }
        paste.lines.push_back(std::move(codes));
        if (end == body.size())
            break;
        start = end + 1;
    }
    return paste;
}

std::vector<std::pair<CellPos, char>> pasteCells(const MapRows& rows, const std::vector<std::string>& lines, CellPos at,
                                                 CellRect& covered)
{
    std::vector<std::pair<CellPos, char>> cells;
    covered = {};
    int widest = 0;
    for (const std::string& line : lines)
        widest = std::max(widest, static_cast<int>(line.size()));
    if (lines.empty() || widest == 0)
        return cells;
    covered = CellRect::spanning(at, {at.column + widest - 1, at.row + static_cast<int>(lines.size()) - 1});
    for (std::size_t l = 0; l < lines.size(); ++l)
        for (std::size_t i = 0; i < lines[l].size(); ++i) {
            const CellPos cell{at.column + static_cast<int>(i), at.row + static_cast<int>(l)};
            if (cell.column <= kLastColumn && cell.row <= kLastRow && codeAt(rows, cell))
                cells.push_back({cell, lines[l][i]});
        }
    return cells;
}

}  // namespace kelmor
