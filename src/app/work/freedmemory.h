#pragma once

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace tallywick {

// Hands the memory freed after a large piece of work back to the system: glibc keeps it with the
// heap (or the thread's arena) otherwise, and the program stays as large as at its busiest.
inline void ReturnFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace tallywick
