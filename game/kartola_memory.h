// The game's own memory between runs ("KARTOLA.MEM" beside the settings file): a few "key=value"
// lines such as the card set played last. The settings file keeps its own two lines; what the game
// remembers beyond them lives here, read once at start and written whole through the atomic writer.
#pragma once

#include <map>
#include <string>
#include <string_view>

inline constexpr const char* kKartolaMemory = "KARTOLA.MEM";
// The key of the card set played last: its folder's name.
inline constexpr const char* kMemorySet = "set";

class GameMemory {
  public:
    explicit GameMemory(std::string path = kKartolaMemory) : path_(std::move(path)) {}

    // Reads the file; a missing file is an empty memory, a damaged line is logged and skipped, and
    // anything that is not a small regular file is logged and ignored.
    void Load();
    // The value kept under key, or fallback when there is none.
    std::string Get(std::string_view key, std::string_view fallback = {}) const;
    // Keeps value under key (a line break in it would end the line, so it is refused).
    bool Set(std::string_view key, std::string_view value);
    // Writes every key whole or not at all; false, with a log line, when that failed.
    bool Save() const;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
    std::map<std::string, std::string, std::less<>> values_;
};
