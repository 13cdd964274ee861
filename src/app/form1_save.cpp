// Writing the map on display into the level file.
#include "app/asker.h"
#include "app/form1.h"
#include "app/messages.h"
#include "app/overviewcontrol.h"

namespace kelmor {

Form1::SaveOutcome Form1::savemap()
{
    const MapNumber mapNo = document_.mapNo();
    // Told when it was loaded; nothing to ask, nothing to write. The action
    // that asked goes on, as the edits could never be saved.
    if (document_.unsavable()) {
        asker_.notify(damagedNotSavedText(mapNo, levelName()));
        return SaveOutcome::Declined;
    }
    if (!asker_.askYesNo(tr("map No %1を保存しますか?").arg(mapNo))) {
        document_.declineSave();
        return SaveOutcome::Declined;
    }

    const SaveReport report = document_.save([this](MapNumber other) {
        return asker_.askYesNo(tr("%1 の map No %2 を上書きしますか?\n"
                                  "そのマップは、このマップとして読み込んだものではありません"
                                  "（同じヘッダーの別のマップか、読み込んだ後にほかのプログラムが"
                                  "変更したマップです）。")
                                   .arg(levelName(), QString::number(other)));
    });
    if (report.declined)
        return SaveOutcome::Failed;  // the edits stay, unsaved, and the action stops
    if (report.conflict) {
        asker_.notify(changedAgainText(mapNo, report.conflict->mapNo, levelName()));
        return SaveOutcome::Failed;
    }
    if (!report.ok()) {
        reportSaveFailure(report);
        return SaveOutcome::Failed;
    }
    overview_->followLevel();
    return SaveOutcome::Saved;
}

void Form1::reportSaveFailure(const SaveReport& report)
{
    asker_.notify(saveFailureText(report, document_.mapNo(), levelName()));
}

}  // namespace kelmor
