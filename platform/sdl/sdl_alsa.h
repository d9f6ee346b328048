// The sound library's own error lines, which it prints on standard error by default (several at
// every start on a machine without a sound card), passed on as library messages instead.
#pragma once

namespace tkp::sdl {

// Installs the handler once; does nothing where the backend was built without ALSA.
void RouteAlsaMessages();

}  // namespace tkp::sdl
