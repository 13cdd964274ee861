#pragma once

#include <string>

namespace kelmor::test {

// The header filter's removal spelled out step by step, the slow way: the
// reference that the unit tests and the fuzzer hold the fast one to.
inline std::u16string stepByStepHeaderFilter(std::u16string text)
{
    for (char16_t unwanted : {u',', u' '}) {
        for (;;) {
            const std::size_t p = text.find(unwanted);
            if (p == std::u16string::npos)
                break;
            text = text.substr(0, p) + text.substr(p + 1, 255);
        }
    }
    return text;
}

}  // namespace kelmor::test
