#include "app/reason.h"

#include <cstring>

namespace kelmor {

QString reasonOf(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace kelmor
