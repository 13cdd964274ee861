#include "edit/headerfilter.h"

namespace kelmor {

namespace {
constexpr std::size_t kTailLimit = 255;

void removeEach(std::u16string& text, char16_t unwanted)
{
    // Everything before a removed character is already free of it, so the
    // search goes on from there; each step costs at most the tail limit.
    std::size_t from = 0;
    for (;;) {
        const std::size_t p = text.find(unwanted, from);
        if (p == std::u16string::npos)
            return;
        text.erase(p, 1);
        if (text.size() > p + kTailLimit) {
            text.resize(p + kTailLimit);
            if (text.back() >= 0xD800 && text.back() <= 0xDBFF)
                text.pop_back();
        }
        from = p;
    }
}
}  // namespace

std::u16string filterHeader(std::u16string text)
{
    removeEach(text, u',');
    removeEach(text, u' ');
    return text;
}

}  // namespace kelmor
