#include "tools/art/sounds.h"

#include "tools/lib/synth.h"

namespace art {

namespace {

constexpr double kPeak = 0.891;  // -1 dBFS

// A note's frequency from its MIDI number (A4 = 69 = 440 Hz), by exact semitone steps.
double midiHz(int n) {
    static const double semis[12] = {1.0,      1.059463, 1.122462, 1.189207, 1.259921, 1.334840,
                                     1.414214, 1.498307, 1.587401, 1.681793, 1.781797, 1.887749};
    int k = n - 69, oct = 0;
    while (k < 0) {
        k += 12;
        --oct;
    }
    oct += k / 12;
    double f = 440.0 * semis[k % 12];
    for (; oct > 0; --oct) f *= 2;
    for (; oct < 0; ++oct) f /= 2;
    return f;
}

// Soft mallet: a fundamental, a quiet octave and a fast-fading bright partial.
std::vector<Partial> mallet() {
    return {{1, 1, 0}, {2, 0.25, 6}, {3.99, 0.12, 18}};
}
// Warm brass-like tone: harmonics falling off gently.
std::vector<Partial> brass() {
    return {{1, 1, 0}, {2, 0.45, 1}, {3, 0.25, 2}, {4, 0.12, 3}, {5, 0.06, 4}};
}

Sound snap() {
    // Two quick rising "plinks", a fifth apart: a pair snapping together.
    const int rate = 22050;
    std::vector<double> buf(Samples(rate, 0.28), 0.0);
    Note a{.start = 0.0,
           .frequency = 660,
           .glideTo = 880,
           .glideTime = 0.03,
           .attack = 0.003,
           .decay = 22,
           .release = 0.03,
           .length = 0.16,
           .partials = mallet()};
    Note b = a;
    b.start = 0.07;
    b.frequency = 990;
    b.glideTo = 1320;
    b.length = 0.2;
    b.decay = 16;
    AddNote(buf, rate, a);
    AddNote(buf, rate, b, 0.8);
    Sound s{"zvuknaraz.wav", rate, 8, {buf}};
    Normalize(s.channels, kPeak);
    return s;
}

Sound click() {
    // A short woody tick.
    const int rate = 11025;
    std::vector<double> buf(Samples(rate, 0.07), 0.0);
    Note n{.start = 0,
           .frequency = 1500,
           .glideTo = 1100,
           .glideTime = 0.02,
           .attack = 0.0015,
           .decay = 70,
           .release = 0.015,
           .length = 0.07,
           .partials = {{1, 1, 0}, {1.51, 0.4, 40}}};
    AddNote(buf, rate, n);
    Sound s{"zvukcvak.wav", rate, 8, {buf}};
    Normalize(s.channels, kPeak);
    return s;
}

Sound fanfare() {
    // "Ta-da": two pick-up notes, then a held C major chord, voices spread across the stereo field.
    const int rate = 22050;
    const double total = 1.7;
    std::vector<double> left(Samples(rate, total), 0.0), right(Samples(rate, total), 0.0);
    struct Voice {
        int midi;
        double start, length, pan;
    };
    const Voice voices[] = {{67, 0.0, 0.2, 0.5},   {72, 0.16, 0.22, 0.5}, {60, 0.34, 1.36, 0.35},
                            {64, 0.34, 1.36, 0.6}, {67, 0.34, 1.36, 0.4}, {72, 0.34, 1.36, 0.65}};
    for (const Voice& v : voices) {
        bool chord = v.start > 0.3;
        Note n{.start = v.start,
               .frequency = midiHz(v.midi),
               .attack = 0.02,
               .hold = chord ? 0.25 : 0.05,
               .decay = chord ? 1.6 : 6,
               .release = chord ? 0.35 : 0.05,
               .length = v.length,
               .vibrato = chord ? 0.004 : 0,
               .partials = brass()};
        AddNote(left, rate, n, 1.0 - v.pan);
        AddNote(right, rate, n, v.pan);
    }
    Sound s{"zvuktada.wav", rate, 16, {left, right}};
    Normalize(s.channels, kPeak);
    return s;
}

Sound goodbye() {
    // A falling "bye-bye" on soft mallets: G, E, C with the low C ringing out.
    const int rate = 44100;
    std::vector<double> buf(Samples(rate, 1.25), 0.0);
    const int melody[3] = {79, 76, 72};
    for (int i = 0; i < 3; ++i) {
        Note n{.start = 0.2 * i,
               .frequency = midiHz(melody[i]),
               .attack = 0.006,
               .decay = i == 2 ? 3.2 : 7,
               .release = 0.08,
               .length = i == 2 ? 0.85 : 0.4,
               .partials = mallet()};
        AddNote(buf, rate, n);
        if (i == 2) {
            Note low = n;
            low.frequency = midiHz(60);
            AddNote(buf, rate, low, 0.6);
        }
    }
    Sound s{"zvukkoniec.wav", rate, 8, {buf}};
    Normalize(s.channels, kPeak);
    return s;
}

}  // namespace

std::vector<Sound> MakeSounds() {
    return {snap(), click(), fanfare(), goodbye()};
}

}  // namespace art
