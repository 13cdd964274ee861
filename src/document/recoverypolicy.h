#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fs/filefailure.h"
#include "fs/fileops.h"
#include "recovery/recovery.h"
#include "recovery/recoveryfiles.h"
#include "recovery/recoverykeeper.h"

namespace kelmor {

// When the recovery file is written and when it goes. A change of the map
// waits a moment, so that a burst is written once and only after the step
// that made it is done; a save, a declined save and a load settle it at once,
// so a kill right after finds it right. What it holds comes from `unsaved`:
// the map to keep, or nothing when there is nothing to recover.
class RecoveryPolicy : public QObject {
    Q_OBJECT

public:
    using Unsaved = std::function<std::optional<Recovery>()>;
    // Written through `ops` on a thread of its own, apart from the level file's.
    RecoveryPolicy(FileOps& ops, const std::string& folder, const std::string& levelName, Unsaved unsaved);
    ~RecoveryPolicy() override;

    // The map changed: keep it a moment from now.
    void changed();
    // The map changed as a whole (created, restored): keep it now.
    void changedNow();
    // Saved, given up or replaced by another map: nothing is due until the
    // next change. Brings the file up to date now.
    void settled();
    // Brings the file up to date now and waits until it is written.
    void settle();

    // What editors that died left for this level file, at start-up.
    std::vector<RecoveryOrphan> orphans() { return files_.orphans(); }
    FileFailure discard(RecoveryOrphan& orphan) { return files_.discard(orphan); }
    FileFailure setAside(RecoveryOrphan& orphan, std::string& keptAs) { return files_.setAside(orphan, keptAs); }
    // Takes `orphan` as this editor's own file, once its map is on screen and due.
    void adopt(RecoveryOrphan orphan);

signals:
    // A write or removal failed after one that did not; told on the window's thread.
    void failed(const FileFailure& failure);

private:
    void update();

    RecoveryFiles files_;
    Unsaved unsaved_;
    // A burst of changes is written once, a moment after its first change.
    QTimer timer_;
    // Set by a change, cleared when the map is saved, its save declined, or
    // another map loaded.
    bool due_ = false;
    // Last, so that its thread ends before anything it reports to goes.
    std::unique_ptr<RecoveryKeeper> keeper_;
};

}  // namespace kelmor
