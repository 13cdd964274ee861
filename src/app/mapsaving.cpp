#include "app/mapsaving.h"

#include <utility>

#include "app/asker.h"
#include "app/messages.h"
#include "document/mapdocument.h"

namespace kelmor {

MapSaving::MapSaving(MapDocument& document, Asker& asker, std::function<void()> saved)
    : document_(document),
      asker_(asker),
      saved_(std::move(saved))
{}

MapSaving::Outcome MapSaving::save()
{
    const MapNumber mapNo = document_.mapNo();
    // Told when it was loaded; nothing to ask, nothing to write. The action
    // that asked goes on, as the edits could never be saved.
    if (document_.unsavable()) {
        asker_.notify(damagedNotSavedText(mapNo, document_.levelName()));
        return Outcome::Declined;
    }
    if (!asker_.askYesNo(tr("map No %1を保存しますか?").arg(mapNo))) {
        document_.declineSave();
        return Outcome::Declined;
    }

    const SaveReport report = document_.save([this](MapNumber other) {
        return asker_.askYesNo(tr("%1 の map No %2 を上書きしますか?\n"
                                  "そのマップは、このマップとして読み込んだものではありません"
                                  "（同じヘッダーの別のマップか、読み込んだ後にほかのプログラムが"
                                  "変更したマップです）。")
                                   .arg(document_.levelName(), QString::number(other)));
    });
    if (report.declined)
        return Outcome::Failed;  // the edits stay, unsaved, and the action stops
    if (report.conflict) {
        asker_.notify(changedAgainText(mapNo, report.conflict->mapNo, document_.levelName()));
        return Outcome::Failed;
    }
    if (!report.ok()) {
        asker_.notify(saveFailureText(report, document_.mapNo(), document_.levelName()));
        return Outcome::Failed;
    }
    saved_();
    return Outcome::Saved;
}

bool MapSaving::saveIfEdited()
{
    if (!document_.marked())
        return true;
    return save() != Outcome::Failed;
}

}  // namespace kelmor
