#include "app/mapnumbertext.h"

namespace kelmor {

std::optional<MapNumber> parseMapNumber(const QString& typed)
{
    // Full-width digits, as a Japanese input method gives them, become ASCII.
    const QString text = typed.normalized(QString::NormalizationForm_KC).trimmed();
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
