#include "document/recoverypolicy.h"

namespace kelmor {

namespace {
// Well within the second of work that a crash may lose at most.
constexpr int kRecoveryDelayMs = 100;
}  // namespace

RecoveryPolicy::RecoveryPolicy(FileOps& ops, const std::string& folder, const std::string& levelName, Unsaved unsaved)
    : files_(ops, folder, levelName),
      unsaved_(std::move(unsaved)),
      keeper_(std::make_unique<RecoveryKeeper>(files_, [this](const FileFailure& failure) {
          // Told on the window's thread, between its events.
          QMetaObject::invokeMethod(
              this, [this, failure] { emit failed(failure); }, Qt::QueuedConnection);
      }))
{
    timer_.setSingleShot(true);
    timer_.setInterval(kRecoveryDelayMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryPolicy::update);
}

RecoveryPolicy::~RecoveryPolicy() = default;

void RecoveryPolicy::changed()
{
    due_ = true;
    // Not restarted by each change: a long burst of typing is kept as it goes.
    if (!timer_.isActive())
        timer_.start();
}

void RecoveryPolicy::changedNow()
{
    due_ = true;
    update();
}

void RecoveryPolicy::settled()
{
    due_ = false;
    update();
}

void RecoveryPolicy::settle()
{
    update();
    keeper_->settle();
}

void RecoveryPolicy::adopt(RecoveryOrphan orphan)
{
    // Taken only now, so that loading its map, which drops this editor's
    // recovery file, never removes it: it stays on disk throughout.
    keeper_->settle();
    files_.adopt(std::move(orphan));
    changedNow();
}

void RecoveryPolicy::update()
{
    timer_.stop();
    const std::optional<Recovery> recovery = due_ ? unsaved_() : std::nullopt;
    if (!recovery) {
        keeper_->drop();
        return;
    }
    keeper_->keep(encodeRecovery(*recovery));
}

}  // namespace kelmor
