// glibc keeps memory a helper thread freed in that thread's own arena, where nothing the calling
// thread allocates can reuse it.
#include "store/scan/FreedMemory.h"

#include <malloc.h>

void ReturnFreedMemory() {
    malloc_trim(0);
}
