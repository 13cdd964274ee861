// The navigation, save and create buttons, closing, and the unsaved-changes rule.
#include <QLabel>
#include <QLineEdit>
#include <limits>

#include "app/asker.h"
#include "app/form1.h"

namespace kelmor {

namespace {
constexpr std::int64_t kLastMapNo = std::numeric_limits<std::int16_t>::max();
}

bool Form1::saveIfEdited()
{
    if (mapEdited == 0)
        return true;
    return savemap() != SaveOutcome::Failed;
}

void Form1::reportOverflow()
{
    asker_.notify(QStringLiteral("マップ番号は %1 までです。これより先のマップは開けません。")
                      .arg(kLastMapNo));
}

void Form1::Command1_Click()
{
    savemap();
}

void Form1::Command7_Click()
{
    if (!saveIfEdited())
        return;
    mapNo = 1;
    subMapload();
}

void Form1::Command4_Click()
{
    if (!saveIfEdited())
        return;
    mapNo = static_cast<std::int16_t>(mapNo - 1);
    if (mapNo < 1)
        mapNo = 1;
    subMapload();
}

void Form1::Command2_Click()
{
    if (!saveIfEdited())
        return;
    if (mapNo >= kLastMapNo) {
        reportOverflow();
        return;
    }
    mapNo = static_cast<std::int16_t>(mapNo + 1);
    subMapload();
}

void Form1::Command6_Click()
{
    if (!saveIfEdited())
        return;
    const std::optional<std::int64_t> count = fncMapmax();
    if (!count)
        return;
    if (*count > kLastMapNo) {
        reportOverflow();
        return;
    }
    mapNo = static_cast<std::int16_t>(*count);
    subMapload();
}

void Form1::Command5_Click()
{
    if (!saveIfEdited())
        return;

    const MapCount counted = levelFile_.countHeaders();
    if (counted.failure.failed()) {
        // Without the count the new map's number would be a guess.
        reportCountFailure(counted.failure, QStringLiteral("マップを作成できません"));
        return;
    }
    const std::int64_t next = counted.count + 1;
    if (next > kLastMapNo) {
        reportOverflow();
        return;
    }
    if (!asker_.askYesNo(QStringLiteral("map No %1を新規に作成しますか?").arg(next)))
        return;

    headerCodec_.forget();
    Text1->setText(QStringLiteral("*MAP%1").arg(next, 3, 10, QLatin1Char('0')));
    showMapNo(next);
    mapNo = static_cast<std::int16_t>(next);
    unsavable_ = false;
    origin_ = MapOrigin{};
    clearmap();
    // A map never saved has no state to come back to: it stays unsaved.
    history_.clear();
    history_.resetClean();
    recoveryDue_ = true;
    updateRecovery();
}

bool Form1::Form_Unload()
{
    return saveIfEdited();
}

}  // namespace kelmor
