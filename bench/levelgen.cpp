#include "levelgen.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>
#include <filesystem>
#include <fstream>

#include "model/blanktemplate.h"
#include "model/mapgrid.h"

namespace kelmor::bench {

namespace {
void writeMaps(std::ofstream& out, std::int64_t first, std::int64_t count)
{
    std::string rows;
    for (int r = 0; r < kMapRows; ++r)
        rows += blankTemplateRow(r) + "\r\n";
    char header[32];
    for (std::int64_t i = first; i < first + count; ++i) {
        std::snprintf(header, sizeof header, "*MAP%03lld\r\n", static_cast<long long>(i));
        out << header << rows << "\r\n";
    }
}
}  // namespace

std::string ensureLevelFile(const std::string& folder, std::int64_t maps)
{
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/maps-" + std::to_string(maps) + ".cnf";
    if (!std::filesystem::exists(path)) {
        std::ofstream out(path + ".part", std::ios::binary);
        writeMaps(out, 1, maps);
        out.close();
        std::filesystem::rename(path + ".part", path);
    }
    return path;
}

std::size_t readPlainly(const std::string& path)
{
    static std::vector<char> buffer(64 * 1024);
    const int fd = ::open(path.c_str(), O_RDONLY);
    std::size_t total = 0;
    for (ssize_t n; (n = ::read(fd, buffer.data(), buffer.size())) > 0;)
        total += static_cast<std::size_t>(n);
    ::close(fd);
    return total;
}

std::string ensureLevelFileOfSize(const std::string& folder, std::uint64_t bytes)
{
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/bytes-" + std::to_string(bytes) + ".cnf";
    if (!std::filesystem::exists(path)) {
        std::ofstream out(path + ".part", std::ios::binary);
        std::int64_t next = 1;
        while (static_cast<std::uint64_t>(out.tellp()) < bytes)
            writeMaps(out, next++, 1);
        out.close();
        std::filesystem::rename(path + ".part", path);
    }
    return path;
}

}  // namespace kelmor::bench
