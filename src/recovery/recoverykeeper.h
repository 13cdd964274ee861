#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "fs/filefailure.h"
#include "recovery/recoveryfiles.h"

namespace kelmor {

// Writes this editor's recovery file on a thread of its own, so that a slow
// or failing disk never holds up the window. Only the latest state matters:
// one asked for while another is being written replaces any still waiting.
// Its owner asks from one thread, its own.
class RecoveryKeeper {
public:
    using Failed = std::function<void(const FileFailure&)>;
    // `failed` is called on the keeper's thread when a write or removal
    // fails after one that did not, so a lasting failure is told once.
    RecoveryKeeper(RecoveryFiles& files, Failed failed);
    // Finishes what was asked, then ends.
    ~RecoveryKeeper();
    RecoveryKeeper(const RecoveryKeeper&) = delete;
    RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;

    void keep(std::string bytes);
    void drop();
    // Returns once everything asked so far is done.
    void settle();

private:
    enum class Job { None, Keep, Drop };
    void ask(Job job, std::string bytes);
    void run();

    RecoveryFiles& files_;
    Failed failed_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    Job job_ = Job::None;
    std::string bytes_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;  // started by the first job, on the owner's thread
};

}  // namespace kelmor
