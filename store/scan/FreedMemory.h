// Giving memory that other threads freed back to the system. FreedMemory_linux.cpp and
// FreedMemory_windows.cpp say how each allocator does it.
#pragma once

void ReturnFreedMemory();
