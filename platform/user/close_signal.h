// Termination signals as a close request: SIGTERM and SIGINT only raise a flag; the message loop
// turns it into WM_CLOSE, so that the program ends the way a click on the close button ends it.
// Platform-internal.
#pragma once

namespace tkp::user {

// Installs the handlers (once; again after a reset is harmless).
void WatchCloseSignals();
// True once after a signal arrived.
bool TakeCloseSignal();

}  // namespace tkp::user
