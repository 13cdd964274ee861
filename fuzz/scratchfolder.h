#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

// A folder of the fuzz run's own, in memory where the system has it (saves
// force their writes), made at first use and gone when the run ends.
inline const std::string& scratchFolder()
{
    class Scratch {
    public:
        Scratch() : path_(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp")
        {
            path_ += "/kelmor-fuzz-XXXXXX";
            if (mkdtemp(path_.data()) == nullptr)
                std::abort();
        }
        ~Scratch() { std::filesystem::remove_all(path_); }
        const std::string& path() const { return path_; }

    private:
        std::string path_;
    };
    static const Scratch scratch;
    return scratch.path();
}
