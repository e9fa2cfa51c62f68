// The single-instance guard of the program's start, without the window: binds
// the counter as the entry point does, takes the same step and the same
// decision, and prints "pass <before>" or "refused <before>" (exit code 0 or 1)
// instead of showing a box or the main window.
//   GUARD_PROBE_GATE_FD=n  wait for end of file on descriptor n before starting,
//                          so that many probes start at the same moment
//   GUARD_PROBE_HOLD=1     stay alive after the decision until stdin ends
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/instance_counter.h"
#include "platform/interlocked.h"

namespace {

void DrainUntilEnd(int fd) {
    char buffer[64];
    while (read(fd, buffer, sizeof buffer) > 0) {
    }
}

}  // namespace

int main() {
    if (const char* gate = std::getenv("GUARD_PROBE_GATE_FD")) DrainUntilEnd(std::atoi(gate));

    platform::BindInstanceCounter();
    const LONG before = InterlockedExchangeAdd(&g_nInstanceCount, 1);
    const bool pass = !(before >= 1);
    std::printf("%s %d\n", pass ? "pass" : "refused", static_cast<int>(before));
    std::fflush(stdout);

    if (const char* hold = std::getenv("GUARD_PROBE_HOLD"); hold && hold[0] == '1') DrainUntilEnd(0);
    return pass ? 0 : 1;
}
