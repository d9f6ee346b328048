#include "platform/user/close_signal.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t g_closeAsked = 0;

// Only the flag: nothing else is safe inside a signal handler.
extern "C" void askToClose(int) {
    g_closeAsked = 1;
}

}  // namespace

namespace tkp::user {

void WatchCloseSignals() {
    struct sigaction action {};
    action.sa_handler = askToClose;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool TakeCloseSignal() {
    if (!g_closeAsked) return false;
    g_closeAsked = 0;
    return true;
}

}  // namespace tkp::user
