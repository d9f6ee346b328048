// Additive synthesis: sine partials under smooth envelopes, mixed into sample buffers.
#pragma once

#include <vector>

namespace art {

struct Partial {
    double ratio;      // frequency as a multiple of the note's
    double amplitude;  // relative level
    double decay;      // extra decay rate per second for this partial (higher partials fade first)
};

struct Note {
    double start;             // seconds
    double frequency;         // Hz at the start
    double glideTo = 0;       // Hz reached at the end of the glide; 0 = no glide
    double glideTime = 0.05;  // seconds
    double attack = 0.008;    // seconds of soft (raised-cosine) rise
    double hold = 0.0;        // seconds at full level before the decay
    double decay = 6.0;       // exponential decay rate per second
    double release = 0.04;    // seconds of fade-out at the end
    double length = 0.3;      // seconds from start to the end of the release
    double level = 1.0;
    double vibrato = 0.0;  // depth as a fraction of the frequency (5.5 Hz)
    std::vector<Partial> partials{{1, 1, 0}};
};

// Adds the note to a buffer sampled at `rate`, scaled by `gain`.
void AddNote(std::vector<double>& buf, int rate, const Note& n, double gain = 1.0);
// Scales the buffers together so that the loudest sample reaches `peak` (e.g. -1 dBFS = 0.891).
void Normalize(std::vector<std::vector<double>>& channels, double peak);
// A sample count for a duration.
int Samples(int rate, double seconds);

}  // namespace art
