#include "app/recoveryoffer.h"

#include "app/asker.h"
#include "app/messages.h"
#include "document/mapdocument.h"

namespace kelmor {

namespace {
void setAside(RecoveryPolicy& files, Asker& asker, const QString& levelName, RecoveryOrphan& orphan, RecoveryUse use,
              const std::optional<Recovery>& recovery)
{
    std::string keptAs;
    const FileFailure failure = files.setAside(orphan, keptAs);
    asker.notify(recoveryAsideText(QString::fromStdString(orphan.name), levelName, use, recovery, failure,
                                   QString::fromStdString(keptAs)));
}
}  // namespace

void offerRecovery(MapDocument& document, Asker& asker, const std::function<void(MapNumber)>& load)
{
    RecoveryPolicy& files = document.recovery();
    const QString levelName = document.levelName();
    std::vector<RecoveryOrphan> orphans = files.orphans();
    for (RecoveryOrphan& orphan : orphans) {
        const std::optional<Recovery> recovery = decodeRecovery(orphan.bytes);
        const RecoveryUse use = judgeRecovery(recovery, document.levelFile());
        if (use != RecoveryUse::Offer && use != RecoveryUse::AlreadySaved) {
            setAside(files, asker, levelName, orphan, use, recovery);
            continue;
        }
        if (use == RecoveryUse::Offer && asker.askYesNo(recoveryOfferText(levelName, *recovery))) {
            if (!recovery->created)
                load(recovery->mapNo);
            document.restore(*recovery, std::move(orphan));
            return;  // one map fits on screen: any other is offered at the next start
        }
        // Given up, or nothing lost (the editor died right after saving).
        if (const FileFailure failure = files.discard(orphan); failure.failed())
            asker.notify(recoveryFailureText(failure));
    }
}

}  // namespace kelmor
