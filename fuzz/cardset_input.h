// How a card-set fuzzing input is cut into the files of a set folder: at each kSeparator, the
// pieces named after kNames in order (extra pieces are dropped). The seeds are packed the same way.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cardset_input {

inline constexpr std::string_view kSeparator = "\n--file--\n";
inline constexpr const char* kNames[] = {"a.bmp", "a.wav", "b.bmp", "b.faz",
                                         "c.thm", "c.wav", "d.bmp", "e.thm"};
inline constexpr std::size_t kFiles = sizeof kNames / sizeof kNames[0];

template <typename F>
void ForEachFile(std::string_view input, F f) {
    for (std::size_t i = 0; i < kFiles; ++i) {
        const std::size_t cut = input.find(kSeparator);
        f(kNames[i], input.substr(0, cut));
        if (cut == std::string_view::npos) return;
        input.remove_prefix(cut + kSeparator.size());
    }
}

// Files joined into one input; files[i] becomes kNames[i].
inline std::string Pack(const std::string* files, std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n && i < kFiles; ++i) s += (i ? std::string(kSeparator) : "") + files[i];
    return s;
}

}  // namespace cardset_input
