#include "levelfile/fileops.h"

namespace kelmor {

WriteFile::~WriteFile() = default;
FileOps::~FileOps() = default;

}  // namespace kelmor
