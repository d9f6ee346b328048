// WAV images built byte by byte for the sound tests and the fuzzing seeds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wav_test {

inline std::string Le16(unsigned v) {
    return std::string{char(v & 0xFF), char((v >> 8) & 0xFF)};
}

inline std::string Le32(std::uint32_t v) {
    return Le16(v & 0xFFFF) + Le16(v >> 16);
}

// The 16 bytes of a "fmt " chunk body; block alignment and byte rate follow from the others
// unless given.
inline std::string FmtBody(unsigned channels, std::uint32_t rate, unsigned bits, unsigned tag = 1,
                           int blockAlign = -1) {
    const unsigned block = blockAlign >= 0 ? unsigned(blockAlign) : channels * bits / 8;
    return Le16(tag) + Le16(channels) + Le32(rate) + Le32(rate * block) + Le16(block) + Le16(bits);
}

// A chunk with its length; an odd body gets its pad byte unless told otherwise.
inline std::string Chunk(const std::string& id, const std::string& body, bool pad = true) {
    std::string c = id + Le32(std::uint32_t(body.size())) + body;
    if (pad && body.size() % 2) c.push_back('\0');
    return c;
}

// A chunk header claiming a length that the bytes after it need not have.
inline std::string ChunkClaiming(const std::string& id, std::uint32_t length, const std::string& body) {
    return id + Le32(length) + body;
}

// "RIFF", the length of what follows (or the one given), "WAVE" and the chunks.
inline std::string Riff(const std::string& chunks, std::int64_t length = -1) {
    return "RIFF" + Le32(length >= 0 ? std::uint32_t(length) : std::uint32_t(4 + chunks.size())) + "WAVE" +
           chunks;
}

inline std::string Wav(unsigned channels, std::uint32_t rate, unsigned bits, const std::string& samples) {
    return Riff(Chunk("fmt ", FmtBody(channels, rate, bits)) + Chunk("data", samples));
}

// n bytes counting up from first, as distinct sample bytes.
inline std::string Ramp(std::size_t n, unsigned first = 1) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s.push_back(char((first + i) & 0xFF));
    return s;
}

// 16-bit little-endian samples.
inline std::string Samples16(const std::vector<int>& values) {
    std::string s;
    for (int v : values) s += Le16(unsigned(v) & 0xFFFF);
    return s;
}

}  // namespace wav_test
