#include "platform/thread_priority.h"

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace kestrovin {

void RaiseCurrentThreadPriority() {
    sched_param parameter{};
    parameter.sched_priority = sched_get_priority_max(SCHED_FIFO);
    if (pthread_setschedparam(pthread_self(), SCHED_FIFO, &parameter) == 0) return;
    // No real-time rights: take the best nice value we may, for this thread only.
    const auto thread_id = static_cast<id_t>(syscall(SYS_gettid));
    for (int nice_value = -20; nice_value < 0; ++nice_value)
        if (setpriority(PRIO_PROCESS, thread_id, nice_value) == 0) return;
}

}  // namespace kestrovin
