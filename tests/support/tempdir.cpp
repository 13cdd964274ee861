#include "support/tempdir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace kelmor::test {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "kelmor-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool fileExists(const std::string& path)
{
    return std::filesystem::exists(path);
}

std::string levelText(const std::vector<std::pair<std::string, std::vector<std::string>>>& maps)
{
    std::string out;
    for (const auto& [header, rows] : maps) {
        out += header + "\r\n";
        for (const std::string& row : rows)
            out += row + "\r\n";
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> uniformRows(char fill)
{
    return std::vector<std::string>(17, std::string(35, fill));
}

}  // namespace kelmor::test
