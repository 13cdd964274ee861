// Clipboard text comes from any program: whatever it holds, a paste is
// either refused at the first character no cell may hold, named by a line
// and column inside the text, or puts only codes the one rule allows, into
// cells the map has.
#include <cstdlib>
#include <string>

#include "edit/cliptext.h"
#include "fuzzinput.h"

using namespace kelmor;

namespace {
void mustBe(bool holds)
{
    if (!holds)
        std::abort();
}

// The bytes as the clipboard may hand them over: decoded as UTF-8 with each
// bad byte replaced (as Qt reads text), one character a byte, or raw 32-bit
// units, surrogates and values past U+10FFFF included.
std::u32string asText(std::uint8_t how, std::string_view bytes)
{
    std::u32string text;
    if (how % 3 == 0) {
        for (std::size_t i = 0; i < bytes.size();) {
            const auto lead = static_cast<unsigned char>(bytes[i]);
            const int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
            char32_t c = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
            bool good = length > 0 && i + static_cast<std::size_t>(length) <= bytes.size();
            for (int k = 1; good && k < length; ++k) {
                const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
                good = (next & 0xC0) == 0x80;
                c = c << 6 | (next & 0x3F);
            }
            text += good ? c : U'\uFFFD';
            i += good ? static_cast<std::size_t>(length) : 1;
        }
    } else if (how % 3 == 1) {
        for (char b : bytes)
            text += static_cast<unsigned char>(b);
    } else {
        for (std::size_t i = 0; i + 4 <= bytes.size(); i += 4)
            text += static_cast<char32_t>(static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) |
                                          static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8 |
                                          static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 2])) << 16 |
                                          static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 3])) << 24);
    }
    return text;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const std::uint8_t how = in.byte();
    const CellPos at{in.byte() % 40, in.byte() % 20};
    const std::uint8_t shortRow = in.byte();
    const std::u32string text = asText(how, in.rest());
    const PasteText paste = readPasteText(text);

    // The text's lines as a person counts them: LF ends a line, a CR before it is part of the end.
    std::vector<std::u32string> lines(1);
    for (char32_t c : text) {
        if (c == U'\n')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    for (std::u32string& line : lines)
        if (!line.empty() && line.back() == U'\r')
            line.pop_back();

    if (paste.refused) {
        const PasteText::Refusal& refused = *paste.refused;
        mustBe(paste.lines.empty() && refused.why != CodeRefusal::None);
        mustBe(refused.line >= 1 && static_cast<std::size_t>(refused.line) <= lines.size());
        const std::u32string& line = lines[static_cast<std::size_t>(refused.line) - 1];
        mustBe(refused.column >= 1 && static_cast<std::size_t>(refused.column) <= line.size());
        mustBe(line[static_cast<std::size_t>(refused.column) - 1] == refused.code);
        return 0;
    }
    // Every line is read but the empty one after a line end at the end.
    mustBe(paste.lines.size() == lines.size() - (!text.empty() && text.back() == U'\n' ? 1 : 0));

    MapRows rows;
    for (int r = 0; r < kMapRows; ++r)
        rows[static_cast<std::size_t>(r)] = std::string(kMapColumns, '0');
    rows[shortRow % kMapRows].resize(shortRow / kMapRows % (kMapColumns + 1));
    CellRect covered;
    for (const auto& [cell, code] : pasteCells(rows, paste.lines, at, covered)) {
        mustBe(cell.column >= 0 && cell.column <= kLastColumn && cell.row >= 0 && cell.row <= kLastRow);
        mustBe(static_cast<std::size_t>(cell.column) < rows[static_cast<std::size_t>(cell.row)].size());
        mustBe(isPlaceableAt(static_cast<unsigned char>(code), cell));
        mustBe(covered.contains(cell));
    }
    return 0;
}
