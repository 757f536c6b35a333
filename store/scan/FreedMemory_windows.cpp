// The C runtime's heap on Windows is shared by all threads, so what one frees the others reuse;
// only the free blocks at its end can go back to the system.
#include "store/scan/FreedMemory.h"

#include <malloc.h>

void ReturnFreedMemory() {
    _heapmin();
}
