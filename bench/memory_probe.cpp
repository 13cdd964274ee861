// Runs one level-file operation and prints the process's peak resident memory
// in KiB:  memory_probe load|count|save FILE
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sys/resource.h>

#include "levelfile/itemreader.h"
#include "levelfile/mapcount.h"
#include "levelfile/mapload.h"
#include "levelfile/savelevel.h"

using namespace kelmor;

int main(int argc, char* argv[])
{
    if (argc != 3)
        return 2;
    const std::string op = argv[1];
    const std::string path = argv[2];
    if (op == "load" || op == "count") {
        int error = 0;
        const auto source = makePosixFileOps()->openRead(path, error);
        if (!source)
            return 1;
        ItemReader reader(*source);
        if (op == "load")
            std::printf("# maps seen: %lld\n", static_cast<long long>(loadMap(reader, 1LL << 40).mapNo));
        else
            std::printf("# maps: %lld\n", static_cast<long long>(countMapsSkippingRows(reader)));
    } else if (op == "save") {
        // Saves into the file's own folder, where the file must be kelmor.cnf.
        const std::filesystem::path p(path);
        MapRows rows;
        rows.fill(std::string(35, '7'));
        auto ops = makePosixFileOps();
        const SaveReport r = saveMapToLevel(*ops, p.parent_path().string(), "*MAP002", rows);
        std::printf("# saved: %s\n", r.ok() ? "yes" : "no");
    } else {
        return 2;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld\n", usage.ru_maxrss);
    return 0;
}
