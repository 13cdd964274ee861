#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelmor {

// Where the item reader takes its bytes from: a file in production (opened
// through FileOps), memory in tests and the fuzzer.
class ByteSource {
public:
    virtual ~ByteSource();
    // Fills up to `size` bytes; 0 means the end. A read error also ends the
    // stream and is kept in error().
    virtual std::size_t read(char* buffer, std::size_t size) = 0;
    // Moves to an absolute offset, where the source allows it: the loader
    // goes back to the one map it returns instead of keeping every map.
    virtual bool seekable() const { return false; }
    virtual bool seek(std::uint64_t /*offset*/) { return false; }
    // errno of the first failed read, 0 when none failed.
    int error() const { return error_; }

protected:
    int error_ = 0;
};

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string_view bytes) : all_(bytes), bytes_(bytes) {}
    std::size_t read(char* buffer, std::size_t size) override;
    bool seekable() const override { return true; }
    bool seek(std::uint64_t offset) override;

private:
    std::string_view all_;
    std::string_view bytes_;
};

}  // namespace kelmor
