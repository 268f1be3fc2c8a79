// SPDX-License-Identifier: MIT
// Writes the cues' sounds as WAV files into the folder given: one, two and three chimes and the
// overtime bell. Made at build time, so that no recording ships with the program.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int Rate = 22050;
constexpr double Pi = 3.14159265358979323846;
constexpr double ChimeHz = 1318.5;
constexpr double ChimeSeconds = 0.28;
constexpr double ChimeGapSeconds = 0.32;
constexpr double BellHz = 523.25;
constexpr double BellSeconds = 1.4;
// Long enough to spare the speaker a click, short enough that the cue is heard with its lamp.
constexpr double AttackSeconds = 0.003;

struct Partial
{
    double ratio;
    double level;
    double decaySeconds;
};

void addStrike(std::vector<double> &out, double startSeconds, double hz, double lengthSeconds,
               const std::vector<Partial> &partials)
{
    const int first = int(startSeconds * Rate);
    const int count = int(lengthSeconds * Rate);
    if (out.size() < size_t(first + count))
        out.resize(first + count, 0.0);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / Rate;
        const double attack = std::min(1.0, t / AttackSeconds);
        double v = 0.0;
        for (const Partial &p : partials)
            v += p.level * std::exp(-t / p.decaySeconds) * std::sin(2 * Pi * hz * p.ratio * t);
        out[first + i] += attack * v;
    }
}

void put16(std::FILE *f, std::uint16_t v)
{
    std::fputc(v & 0xff, f);
    std::fputc(v >> 8, f);
}

void put32(std::FILE *f, std::uint32_t v)
{
    put16(f, v & 0xffff);
    put16(f, v >> 16);
}

bool writeWav(const std::string &path, const std::vector<double> &samples)
{
    std::FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const std::uint32_t bytes = std::uint32_t(samples.size() * 2);
    std::fputs("RIFF", f);
    put32(f, 36 + bytes);
    std::fputs("WAVEfmt ", f);
    put32(f, 16);
    put16(f, 1); // PCM
    put16(f, 1); // mono
    put32(f, Rate);
    put32(f, Rate * 2);
    put16(f, 2);
    put16(f, 16);
    std::fputs("data", f);
    put32(f, bytes);
    for (double s : samples) {
        const double clipped = std::max(-1.0, std::min(1.0, s));
        put16(f, std::uint16_t(std::int16_t(std::lround(clipped * 32000))));
    }
    return std::fclose(f) == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s output-folder\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const std::vector<Partial> chime{{1.0, 0.6, 0.10}, {2.0, 0.2, 0.05}};
    const std::vector<Partial> bell{{1.0, 0.45, 0.5}, {2.76, 0.25, 0.25}, {5.4, 0.12, 0.12}};
    for (int chimes = 1; chimes <= 3; ++chimes) {
        std::vector<double> samples;
        for (int c = 0; c < chimes; ++c)
            addStrike(samples, c * ChimeGapSeconds, ChimeHz, ChimeSeconds, chime);
        if (!writeWav(folder + "/chime" + std::to_string(chimes) + ".wav", samples))
            return 1;
    }
    std::vector<double> samples;
    addStrike(samples, 0.0, BellHz, BellSeconds, bell);
    return writeWav(folder + "/overtime.wav", samples) ? 0 : 1;
}
