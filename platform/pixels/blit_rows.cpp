// The row loops under the blits. Key tests are 16-bit masks and the alpha mix runs on 16-bit lanes,
// so every loop here is a plain element-wise loop the vectoriser takes whole; the file is built with
// -O3 for that (platform/CMakeLists.txt). Nothing here needs more than the baseline instruction set;
// the alpha mixes, which compute rather than move, also get copies for 256- and 512-bit vectors,
// chosen at load time where the processor has them.
#include "platform/pixels/blit_rows.h"

#include "platform/pixels/blit.h"
#include "platform/pixels/pixel565.h"

namespace tkp::pixels::rows {

namespace {

// Whether p lies in the key, as the wrapping 16-bit distance from its low end: a key whose high end
// is below its low end covers the values from low up to 0xFFFF and from 0 up to high.
inline bool inKey(std::uint16_t p, std::uint16_t low, std::uint16_t span) {
    return static_cast<std::uint16_t>(p - low) <= span;
}

inline std::uint16_t spanOf(ColourKey key) {
    return static_cast<std::uint16_t>(key.high - key.low);
}

// Wider vectors cut the mix's instructions by two or four; the baseline copy serves the rest.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_ADDRESS__)
#define TKP_WIDE_VECTORS __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#else
#define TKP_WIDE_VECTORS
#endif

}  // namespace

void Fill(std::uint16_t* __restrict out, int n, std::uint16_t value) {
    for (int i = 0; i < n; ++i) out[i] = value;
}

void Keyed(std::uint16_t* __restrict out, const std::uint16_t* __restrict in, int n, ColourKey key) {
    const std::uint16_t low = key.low, span = spanOf(key);
    for (int i = 0; i < n; ++i) out[i] = inKey(in[i], low, span) ? out[i] : in[i];
}

TKP_WIDE_VECTORS void Alpha(std::uint16_t* __restrict out, const std::uint16_t* __restrict in, int n,
                            std::uint16_t alpha) {
    for (int i = 0; i < n; ++i) out[i] = Mix565(in[i], out[i], alpha);
}

TKP_WIDE_VECTORS void AlphaKeyed(std::uint16_t* __restrict out, const std::uint16_t* __restrict in, int n,
                                 ColourKey key, std::uint16_t alpha) {
    const std::uint16_t low = key.low, span = spanOf(key);
    for (int i = 0; i < n; ++i) {
        const std::uint16_t mixed = Mix565(in[i], out[i], alpha);
        out[i] = inKey(in[i], low, span) ? out[i] : mixed;
    }
}

void Double(std::uint16_t* __restrict out, const std::uint16_t* __restrict in, int m) {
    for (int i = 0; i < m; ++i) {
        out[2 * i] = in[i];
        out[2 * i + 1] = in[i];
    }
}

void DoubleMirrored(std::uint16_t* __restrict out, const std::uint16_t* __restrict in, int m) {
    const std::uint16_t* last = in + m - 1;
    for (int i = 0; i < m; ++i) {
        out[2 * i] = last[-i];
        out[2 * i + 1] = last[-i];
    }
}

void Gather(std::uint16_t* __restrict out, const std::uint16_t* __restrict in, const int* __restrict columns,
            int n) {
    for (int i = 0; i < n; ++i) out[i] = in[columns[i]];
}

}  // namespace tkp::pixels::rows
