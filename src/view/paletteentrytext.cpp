#include "view/paletteentrytext.h"

#include <QCoreApplication>

namespace kelmor {

QString paletteEntryText(const std::string& entry)
{
    const std::size_t colon = entry.find(':');
    if (colon == std::string::npos)
        return QString::fromStdString(entry);
    return QString::fromStdString(entry.substr(0, colon + 1)) +
           QCoreApplication::translate("Catalogue", entry.c_str() + colon + 1);
}

}  // namespace kelmor
