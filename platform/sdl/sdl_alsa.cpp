// ALSA's error handler: each message becomes one library message in ALSA's own form
// ("ALSA lib pcm.c:2666:(snd_pcm_open_noupdate) Unknown PCM default"). SDL opens ALSA at run time;
// the process links the same library, so the handler set here is the one SDL's calls meet.
#include "platform/sdl/sdl_alsa.h"

#ifdef TKP_HAVE_ALSA

#include <alsa/asoundlib.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "platform/kernel/library_messages.h"

namespace {

void handleAlsaError(const char* file, int line, const char* function, int err, const char* format, ...) {
    char text[512];
    int n = std::snprintf(text, sizeof(text), "ALSA lib %s:%i:(%s) ", file ? file : "?", line,
                          function ? function : "?");
    if (n < 0 || n >= static_cast<int>(sizeof(text))) n = 0;
    va_list args;
    va_start(args, format);
    std::vsnprintf(text + n, sizeof(text) - n, format ? format : "", args);
    va_end(args);
    if (err != 0) {
        const std::size_t used = std::strlen(text);
        std::snprintf(text + used, sizeof(text) - used, ": %s", snd_strerror(err));
    }
    tkp::kernel::LibraryMessage(text);
}

}  // namespace

namespace tkp::sdl {

void RouteAlsaMessages() {
    static const bool installed = (snd_lib_error_set_handler(handleAlsaError), true);
    (void)installed;
}

}  // namespace tkp::sdl

#else

namespace tkp::sdl {

void RouteAlsaMessages() {}

}  // namespace tkp::sdl

#endif
