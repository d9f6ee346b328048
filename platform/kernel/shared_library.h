// A system library opened the first time one of its functions is wanted rather than at the
// program's start: the decoder of a teacher's HEIF photos pulls in large codec libraries that a
// game played with its own card sets never needs, and loading them every time would delay the
// first frame.
#pragma once

#include <mutex>

namespace tkp::kernel {

class SharedLibrary {
  public:
    // soname: the library's file as the dynamic loader finds it ("libheif.so.1").
    explicit SharedLibrary(const char* soname) : soname_(soname) {}
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // The address of a function of the library, opening it the first time; null when the library
    // or the function is missing, said once on the debugger output.
    void* Symbol(const char* name);
    // Sets f, a pointer to function, to the library's function of that name; false when missing.
    template <typename F>
    bool Find(F& f, const char* name) {
        f = reinterpret_cast<F>(Symbol(name));
        return f != nullptr;
    }

  private:
    const char* soname_;
    std::once_flag opened_;
    void* handle_ = nullptr;
};

}  // namespace tkp::kernel
