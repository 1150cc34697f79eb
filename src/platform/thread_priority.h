#pragma once
namespace kestrovin {
// Puts the calling thread at the highest priority the system allows
// (real-time FIFO where permitted, else the lowest nice value). Never fails.
void RaiseCurrentThreadPriority();
}  // namespace kestrovin
