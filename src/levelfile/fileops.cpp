#include "levelfile/fileops.h"

namespace kelmor {

WriteFile::~WriteFile() = default;
FileOps::~FileOps() = default;
FolderLock::~FolderLock() = default;

}  // namespace kelmor
