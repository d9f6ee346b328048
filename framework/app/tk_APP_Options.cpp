#include "framework/app/tk_APP_Options.h"

#include <strings.h>
#include <cstdlib>

#include <cstring>

#include "platform/platform.h"

namespace {

constexpr const char* kVariable = "TESSALIN_WINDOW";
constexpr int kMinW = 640;
constexpr int kMinH = 480;
constexpr int kMaxSide = 16384;

enum class Size { Ok, NotASize, TooSmall, TooLarge };

// "WxH" with a width of 640 to 16384 pixels and a height of 480 to 16384.
Size parseSize(const char* text, int* w, int* h) {
    char* end = nullptr;
    const long a = std::strtol(text, &end, 10);
    if (end == text || (*end != 'x' && *end != 'X')) return Size::NotASize;
    const char* second = end + 1;
    const long b = std::strtol(second, &end, 10);
    if (end == second || *end != 0) return Size::NotASize;
    if (a < kMinW || b < kMinH) return Size::TooSmall;
    if (a > kMaxSide || b > kMaxSide) return Size::TooLarge;
    *w = static_cast<int>(a);
    *h = static_cast<int>(b);
    return Size::Ok;
}

// What is wrong with a size that was not taken, for a message.
const char* sizeProblem(Size problem) {
    switch (problem) {
        case Size::TooSmall:
            return "the window must be at least 640x480";
        case Size::TooLarge:
            return "the window must be at most 16384x16384";
        default:
            return "the size must be WIDTHxHEIGHT, e.g. 1280x720";
    }
}

// The variable: unset, empty, "0", "no" or "off" mean the whole screen; "1", "yes" or "on" a window
// of the default size; "WxH" a window of that size.
Size parseVariable(const char* value, tk_TAppOptions* o) {
    if (!value || !*value || !std::strcmp(value, "0") || !strcasecmp(value, "no") ||
        !strcasecmp(value, "off"))
        return Size::Ok;
    if (!std::strcmp(value, "1") || !strcasecmp(value, "yes") || !strcasecmp(value, "on")) {
        o->windowed = true;
        return Size::Ok;
    }
    int w = 0, h = 0;
    const Size read = parseSize(value, &w, &h);
    if (read == Size::Ok) *o = tk_TAppOptions{true, w, h};
    return read;
}

void printHelp(std::FILE* out, const char* program, const char* about, const char* own) {
    std::fprintf(out,
                 "Usage: %s [--window[=WIDTHxHEIGHT]]%s%s\n"
                 "%s\n"
                 "\n"
                 "The program covers the whole screen. Escape or F12 ends it.\n"
                 "\n"
                 "  --window               run in an ordinary window of 1024 x 768 (800 x 600 on a smaller\n"
                 "                         screen, the whole screen below that) instead, beside other\n"
                 "                         programs; the screen sizes offered then fit the window\n"
                 "  --window=WIDTHxHEIGHT  run in a window of that size, at least 640x480, e.g.\n"
                 "                         --window=1280x720\n"
                 "  --help                 show this help and end\n"
                 "\n"
                 "Environment:\n"
                 "  %s=1 or =WIDTHxHEIGHT  the same as --window; 0, no or off: the whole screen.\n"
                 "                         A switch on the command line wins.\n",
                 program, own ? " " : "", own ? own : "", about ? about : "", kVariable);
}

}  // namespace

void tk_APP_DefaultWindowSize(int desktopW, int desktopH, int* w, int* h) {
    const bool known = desktopW > 0 && desktopH > 0;
    const bool small = known && (desktopW < 1024 || desktopH < 768);
    *w = small ? 800 : 1024;
    *h = small ? 600 : 768;
    // A desktop smaller still gets a window of its whole size, not one that reaches past its edges.
    if (known && (desktopW < 800 || desktopH < 600)) {
        *w = desktopW;
        *h = desktopH;
    }
}

int tk_APP_ParseOptions(int argc, const char* const* argv, const char* environment, const char* program,
                        const char* about, tk_TAppOptions* options, std::FILE* out, std::FILE* err,
                        const char* own_switches) {
    tk_TAppOptions o;
    const Size variable = parseVariable(environment, &o);
    if (variable == Size::NotASize) {
        std::fprintf(err, "%s: %s=%s is not 0, 1 or WIDTHxHEIGHT; the whole screen is used\n", program,
                     kVariable, environment);
        o = tk_TAppOptions{};
    } else if (variable != Size::Ok) {
        std::fprintf(err, "%s: %s=%s: %s; the whole screen is used\n", program, kVariable, environment,
                     sizeProblem(variable));
        o = tk_TAppOptions{};
    }
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (!std::strcmp(a, "--help") || !std::strcmp(a, "-h")) {
            printHelp(out, program, about, own_switches);
            return 0;
        }
        if (!std::strcmp(a, "--window")) {
            o = tk_TAppOptions{true, 0, 0};
        } else if (!std::strncmp(a, "--window=", 9)) {
            o = tk_TAppOptions{true, 0, 0};
            const Size read = parseSize(a + 9, &o.window_w, &o.window_h);
            if (read != Size::Ok) {
                std::fprintf(err, "%s: %s: %s (see --help)\n", program, a, sizeProblem(read));
                return 2;
            }
        } else {
            std::fprintf(err, "%s: unknown switch %s (see --help)\n", program, a);
            return 2;
        }
    }
    *options = o;
    return -1;
}

int tk_APP_CommandLine(int argc, char** argv, const char* program, const char* about,
                       const char* own_switches) {
    tk_TAppOptions o;
    const int status = tk_APP_ParseOptions(argc, argv, std::getenv(kVariable), program, about, &o, stdout,
                                           stderr, own_switches);
    if (status >= 0 || !o.windowed) return status;
    if (o.window_w == 0) {
        tk_APP_DefaultWindowSize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), &o.window_w,
                                 &o.window_h);
    }
    tkp::user::SetWindowedMode(o.window_w, o.window_h);
    return -1;
}
