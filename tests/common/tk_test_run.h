// Test helpers for running the real program: shell commands, the tools a run needs, waiting for a
// file to change, and what the game's log and output say.
#pragma once

#include <chrono>
#include <cstdlib>
#include <initializer_list>
#include <iterator>
#include <regex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "tests/common/tk_test_files.h"

namespace tk_test {

inline int Shell(const std::string& command) {
    return std::system(command.c_str());
}

// The first of the tools that is not installed; empty when all are.
inline std::string MissingTool(std::initializer_list<const char*> tools) {
    for (const char* tool : tools)
        if (Shell(std::string("command -v ") + tool + " >/dev/null 2>&1") != 0) return tool;
    return "";
}

// What a shell command writes on standard output (through the file out.txt in the working folder).
inline std::string Output(const std::string& command) {
    Shell(command + " >out.txt 2>/dev/null");
    return ReadFile("out.txt");
}

// Waits up to seconds for the predicate, checking every 50 ms.
template <typename F>
bool WaitFor(double seconds, F done) {
    for (int i = 0; i < seconds * 20; ++i) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return done();
}

inline int CountMatches(const std::string& text, const std::string& pattern) {
    const std::regex re(pattern);
    return static_cast<int>(
        std::distance(std::sregex_iterator(text.begin(), text.end(), re), std::sregex_iterator()));
}

// Where the game's last scatter put each card, from its log: x, y of card 0, 1, ...
inline std::vector<std::pair<int, int>> DealtCards(const std::string& log) {
    std::vector<std::pair<int, int>> cards;
    const std::regex line(R"(: karta \[(\d+)\] \[(-?\d+)\] \[(-?\d+)\])");
    for (auto it = std::sregex_iterator(log.begin(), log.end(), line); it != std::sregex_iterator(); ++it) {
        if (std::stoi((*it)[1]) == 0) cards.clear();
        cards.emplace_back(std::stoi((*it)[2]), std::stoi((*it)[3]));
    }
    return cards;
}

}  // namespace tk_test
