#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kelmor::test {

// A fresh folder under the system's temporary folder, removed with its content.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);

// A level file: each map's header, its rows, then an empty line, with CR LF.
std::string levelText(const std::vector<std::pair<std::string, std::vector<std::string>>>& maps);
// 17 rows of 35 copies of `fill`.
std::vector<std::string> uniformRows(char fill);

}  // namespace kelmor::test
