#include "framework/runtime.h"

namespace fw {

void RuntimeBackgroundTask() {}

} // namespace fw
