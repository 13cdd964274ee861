#pragma once

#include <ostream>

#include "app/commandline.h"
#include "fs/fileops.h"

namespace kelmor {

// --export-png, --export-sheet and --thumbnail: the picture drawn by the
// view's own code and written atomically through `ops`. 0 when written, 2
// with the reason on `err` when refused or failed. Needs a QGuiApplication
// (on the offscreen platform: no display).
int exportPicture(const StartRequest& request, FileOps& ops, std::ostream& err);

}  // namespace kelmor
