#include "game/kartola_memory.h"

#include <sys/stat.h>

#include <cstdio>

#include "framework/support/tk_AtomicFile.h"
#include "framework/support/tk_LOG.h"
#include "platform/kernel/regular_file.h"

#define TK_MODULE "Kartola"

namespace {

// The memory holds a handful of short lines; a larger file is not one the game wrote.
constexpr off_t kMaxMemoryBytes = 16 * 1024;

bool validKey(std::string_view key) {
    return !key.empty() && key.find_first_of("=\r\n") == std::string_view::npos;
}

}  // namespace

void GameMemory::Load() {
    values_.clear();
    struct stat st {};
    if (::stat(path_.c_str(), &st) != 0) return;
    if (!S_ISREG(st.st_mode) || st.st_size > kMaxMemoryBytes) {
        TK_LOG("GameMemory; not a small file, ignored", path_.c_str());
        return;
    }
    std::FILE* f = tkp::kernel::OpenRegularStream(path_.c_str());
    if (!f) return;
    std::string text(static_cast<std::size_t>(st.st_size), '\0');
    text.resize(std::fread(text.data(), 1, text.size(), f));
    std::fclose(f);
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + at, end - at);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::size_t eq = line.find('=');
        if (eq != std::string_view::npos && validKey(line.substr(0, eq))) {
            values_[std::string(line.substr(0, eq))] = std::string(line.substr(eq + 1));
        } else if (!line.empty()) {
            TK_LOG("GameMemory; a line without a key, skipped", path_.c_str());
        }
        at = end + 1;
    }
}

std::string GameMemory::Get(std::string_view key, std::string_view fallback) const {
    const auto it = values_.find(key);
    return std::string(it == values_.end() ? fallback : std::string_view(it->second));
}

bool GameMemory::Set(std::string_view key, std::string_view value) {
    if (!validKey(key) || value.find_first_of("\r\n") != std::string_view::npos) return false;
    values_[std::string(key)] = std::string(value);
    return true;
}

bool GameMemory::Save() const {
    std::string text;
    for (const auto& [key, value] : values_) text += key + "=" + value + "\n";
    tk_AtomicFile out(path_.c_str());
    if (out.Write(text.data(), text.size()) && out.Commit()) return true;
    TK_LOG("GameMemory; not written", out.Error());
    return false;
}
