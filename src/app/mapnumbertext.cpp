#include "app/mapnumbertext.h"

namespace kelmor {

std::optional<MapNumber> parseMapNumber(const QString& typed)
{
    // Full-width digits, as a Japanese input method gives them, become ASCII;
    // no other digit does ("²", "①" and the like are no map's number).
    QString text = typed.trimmed();
    for (QChar& c : text)
        if (c >= u'０' && c <= u'９')
            c = QChar(c.unicode() - u'０' + u'0');
    if (text.isEmpty())
        return std::nullopt;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    bool ok = false;
    const qlonglong number = text.toLongLong(&ok);
    if (!ok)
        return kLastMapNo + 1;  // more digits than any count: past every map
    return number;
}

}  // namespace kelmor
