// Windows refuses to shrink a file while a view of it is mapped, so a mapping never faults the
// way it can on POSIX systems: nothing needs guarding.
#include "base/platform/mapping_guard.hpp"

namespace base::platform {

int guardMapping(void*, std::size_t) { return -1; }
void unguardMapping(int) {}
bool mappingFaulted(int) { return false; }

}  // namespace base::platform
