#pragma once
// A file mapped into memory faults (SIGBUS) when the file shrinks under it and a page past the
// new end is read. Registered mappings are guarded: such a fault maps zero pages over the rest
// of the mapping and marks it changed, so the reader finishes on zeros and then says the file
// changed, rather than the whole program ending. Nothing is checked while reading.
#include <cstddef>

namespace base::platform {

// Guards [address, address + size); returns the guard's slot, or -1 when every slot is taken
// (the mapping is then unguarded, as it always was).
int guardMapping(void* address, std::size_t size);
// Ends the guard before the mapping is removed.
void unguardMapping(int slot);
// True once a read of the guarded mapping faulted.
bool mappingFaulted(int slot);

}  // namespace base::platform
