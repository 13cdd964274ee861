#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace kelmor {

namespace {
Language current = Language::Japanese;
}  // namespace

std::optional<Language> languageNamed(std::string_view name)
{
    if (name == "ja")
        return Language::Japanese;
    if (name == "en")
        return Language::English;
    return std::nullopt;
}

Language languageFor(const QStringList& uiLanguages)
{
    if (uiLanguages.isEmpty())
        return Language::Japanese;
    const QString first = uiLanguages.first();
    if (first == u"C" || first == u"POSIX" || first.startsWith(u"C.") || first.startsWith(u"C-"))
        return Language::Japanese;
    return QLocale(first).language() == QLocale::Japanese || first.startsWith(u"ja") ? Language::Japanese
                                                                                     : Language::English;
}

Language currentLanguage()
{
    return current;
}

WindowLanguage::WindowLanguage(Language language) : was_(current)
{
    current = language;
    if (language == Language::English) {
        // Qt's own texts are English already.
        if (ours_.load(QStringLiteral(":/i18n/kelmor_en.qm")))
            QCoreApplication::installTranslator(&ours_);
        return;
    }
    // The message boxes' buttons, in the window's Japanese.
    if (qt_.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
}

WindowLanguage::~WindowLanguage()
{
    QCoreApplication::removeTranslator(&ours_);
    QCoreApplication::removeTranslator(&qt_);
    current = was_;
}

}  // namespace kelmor
