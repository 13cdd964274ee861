#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Takes a few leading bytes of a fuzz input as parameters.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : bytes_(reinterpret_cast<const char*>(data), size) {}

    std::uint8_t byte()
    {
        if (bytes_.empty())
            return 0;
        const auto b = static_cast<std::uint8_t>(bytes_.front());
        bytes_.remove_prefix(1);
        return b;
    }
    // A piece of the input up to the next NUL byte (which is consumed).
    std::string_view piece()
    {
        const std::size_t end = bytes_.find('\0');
        const std::string_view p = bytes_.substr(0, end);
        bytes_.remove_prefix(end == std::string_view::npos ? bytes_.size() : end + 1);
        return p;
    }
    std::string_view rest() const { return bytes_; }

private:
    std::string_view bytes_;
};
