// Library messages go to the program's sink, one at a time, or to the debugger output.
#include "platform/kernel/library_messages.h"

#include <atomic>
#include <mutex>
#include <string>

#include "platform/kernel/debug.h"

namespace {

std::atomic<tkp::kernel::LibraryMessageSink> g_sink{nullptr};
std::mutex g_sinkMutex;

}  // namespace

void tkp::kernel::SetLibraryMessageSink(tkp::kernel::LibraryMessageSink sink) {
    g_sink.store(sink);
}

void tkp::kernel::LibraryMessage(const char* line) {
    if (!line) return;
    std::lock_guard<std::mutex> lock(g_sinkMutex);
    if (tkp::kernel::LibraryMessageSink sink = g_sink.load()) {
        sink(line);
        return;
    }
    OutputDebugStringA((std::string(line) + "\n").c_str());
}
