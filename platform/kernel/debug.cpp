// Debugger output goes to standard error, or to a buffer that tests read back.
#include "platform/kernel/debug.h"

#include <unistd.h>

#include <cstdio>
#include <mutex>
#include <string>

#include "platform/kernel/files.h"

struct tkp::kernel::Module {
    std::string path;
};

namespace {

std::mutex g_debugMutex;
bool g_capturing = false;
std::string g_captured;

// The path of the running executable, read once from /proc/self/exe.
std::string executablePath() {
    std::string path(4096, '\0');
    ssize_t n = readlink("/proc/self/exe", path.data(), path.size() - 1);
    path.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return path;
}

}  // namespace

void OutputDebugStringA(LPCSTR text) {
    if (!text) return;
    std::lock_guard<std::mutex> lock(g_debugMutex);
    if (g_capturing) {
        g_captured += text;
        return;
    }
    std::fputs(text, stderr);
    std::fflush(stderr);
}

namespace tkp::testing {
// The test hooks of debugger output, declared in platform/testing/test_hooks.h.
void CaptureDebugOutput(bool on) {
    std::lock_guard<std::mutex> lock(g_debugMutex);
    g_capturing = on;
    if (!on) g_captured.clear();
}

std::string TakeDebugOutput() {
    std::lock_guard<std::mutex> lock(g_debugMutex);
    std::string out;
    out.swap(g_captured);
    return out;
}
}  // namespace tkp::testing

HMODULE GetModuleHandleA(LPCSTR name) {
    static tkp::kernel::Module self{executablePath()};
    if (!name) return &self;
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
}
