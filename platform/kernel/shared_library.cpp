#include "platform/kernel/shared_library.h"

#include <dlfcn.h>

#include <string>

#include "platform/kernel/debug.h"

namespace tkp::kernel {

void* SharedLibrary::Symbol(const char* name) {
    std::call_once(opened_, [this] {
        handle_ = dlopen(soname_, RTLD_NOW | RTLD_LOCAL);
        if (handle_ == nullptr) {
            const char* why = dlerror();
            OutputDebugStringA(
                (std::string("library ") + soname_ + " is not available: " + (why ? why : "") + "\n")
                    .c_str());
        }
    });
    if (handle_ == nullptr) return nullptr;
    void* symbol = dlsym(handle_, name);
    if (symbol == nullptr) {
        OutputDebugStringA((std::string("library ") + soname_ + " has no " + name + "\n").c_str());
    }
    return symbol;
}

}  // namespace tkp::kernel
