// Messages that libraries below the platform print on their own (the sound library's error lines):
// a program routes them into its log with a sink; without one they go to the debugger output.
#pragma once

namespace tkp::kernel {

using LibraryMessageSink = void (*)(const char* line);

// Sets the function that receives each message, one line without its newline; null for none.
void SetLibraryMessageSink(LibraryMessageSink sink);

// Passes one line to the sink. Lines may come from a library's own thread: the sink is called for
// one line at a time.
void LibraryMessage(const char* line);

}  // namespace tkp::kernel
