#pragma once

#include <QString>

namespace kelmor {

// The system's own words for an errno, for the notices.
QString reasonOf(int error);

}  // namespace kelmor
