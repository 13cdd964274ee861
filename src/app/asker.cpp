#include "app/asker.h"

namespace kelmor {

Asker::~Asker() = default;

}  // namespace kelmor
