#include "recovery/recoverykeeper.h"

#include <utility>

namespace kelmor {

RecoveryKeeper::RecoveryKeeper(RecoveryFiles& files, Failed failed) : files_(files), failed_(std::move(failed)) {}

RecoveryKeeper::~RecoveryKeeper()
{
    {
        const std::lock_guard guard(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable())
        thread_.join();
}

void RecoveryKeeper::keep(std::string bytes)
{
    ask(Job::Keep, std::move(bytes));
}

void RecoveryKeeper::drop()
{
    ask(Job::Drop, {});
}

void RecoveryKeeper::ask(Job job, std::string bytes)
{
    {
        const std::lock_guard guard(mutex_);
        job_ = job;
        bytes_ = std::move(bytes);
    }
    // Started with the first job: most editors that start and close never
    // edit, and a thread's start is start-up time.
    if (!thread_.joinable())
        thread_ = std::thread([this] { run(); });
    wake_.notify_one();
}

void RecoveryKeeper::settle()
{
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return job_ == Job::None && !busy_; });
}

void RecoveryKeeper::run()
{
    std::string written;  // what the file holds now; the same state is not written twice
    bool failing = false;
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return job_ != Job::None || stopping_; });
        if (job_ == Job::None)
            return;
        const Job job = std::exchange(job_, Job::None);
        std::string bytes = std::move(bytes_);
        busy_ = true;
        lock.unlock();

        FileFailure failure;
        if (job == Job::Drop) {
            failure = files_.remove();
            written.clear();
        } else if (bytes != written) {
            failure = files_.write(bytes);
            written = failure.failed() ? std::string() : std::move(bytes);
        }
        if (failure.failed() && !failing)
            failed_(failure);
        failing = failure.failed();

        lock.lock();
        busy_ = false;
        idle_.notify_all();
    }
}

}  // namespace kelmor
