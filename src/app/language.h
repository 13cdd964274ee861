#pragma once

#include <QStringList>
#include <QTranslator>
#include <optional>
#include <string_view>

namespace kelmor {

// The languages the window speaks. Japanese is the texts as written in the
// code, so it needs no translation and a missing one can never change them.
enum class Language { Japanese, English };

// The language for --language's value ("ja" or "en"); nothing for any other.
std::optional<Language> languageNamed(std::string_view name);

// The language when none is asked for, from the system's UI languages, the
// first first: English when that one is neither Japanese nor the C/POSIX
// locale (which says nothing of a language), Japanese otherwise.
Language languageFor(const QStringList& uiLanguages);

// The language the texts are being shown in: the one the latest
// WindowLanguage chose, or Japanese before any and after it is gone.
Language currentLanguage();

// Puts `language`'s translations in place on the running application (ours,
// and Qt's own for its buttons) for as long as it lives.
class WindowLanguage {
public:
    explicit WindowLanguage(Language language);
    ~WindowLanguage();
    WindowLanguage(const WindowLanguage&) = delete;
    WindowLanguage& operator=(const WindowLanguage&) = delete;

private:
    Language was_;
    QTranslator ours_;
    QTranslator qt_;
};

}  // namespace kelmor
