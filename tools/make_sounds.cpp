// Writes the table's three sounds as 16-bit mono PCM wave files into the
// folder named on the command line: "Shuffle.wav" (a riffle of noise bursts),
// "CardDeal1.wav" (one short click) and "RingOut.wav" (a bell). The noise
// comes from a fixed seed, so every build makes the same files.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int SampleRate = 22050;
using Samples = std::vector<double>;  // -1 .. 1

std::size_t samplesFor(double seconds) { return static_cast<std::size_t>(seconds * SampleRate); }

// Noise softened by a one-pole low-pass filter: `smoothing` near 1 is dull,
// near 0 bright.
void addNoiseBurst(Samples& out, std::mt19937& random, double start, double length, double level, double smoothing)
{
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    const std::size_t first = samplesFor(start);
    const std::size_t count = samplesFor(length);
    double filtered = 0;
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(count);
        const double envelope = std::min(1.0, t * 20) * std::pow(1 - t, 2);
        filtered = smoothing * filtered + (1 - smoothing) * noise(random);
        out[first + i] += level * envelope * filtered;
    }
}

// A riffle: a quick run of card-edge bursts, closing with the pack squared.
Samples shuffle()
{
    std::mt19937 random(1729);
    Samples out(samplesFor(0.75));
    for (int i = 0; i < 24; ++i)
        addNoiseBurst(out, random, 0.02 + i * 0.022, 0.018, 0.55 + 0.2 * ((i * 7) % 3), 0.35);
    addNoiseBurst(out, random, 0.6, 0.12, 0.8, 0.7);
    return out;
}

Samples cardDeal()
{
    std::mt19937 random(42);
    Samples out(samplesFor(0.06));
    addNoiseBurst(out, random, 0.0, 0.05, 0.9, 0.5);
    return out;
}

// A bell: partials at the inharmonic ratios of a struck bell, the higher
// ones dying faster.
Samples ringOut()
{
    struct Partial {
        double ratio, level, decay;
    };
    constexpr Partial Partials[] = {{0.5, 0.25, 1.2}, {1.0, 0.5, 2.0}, {1.19, 0.25, 2.8}, {1.56, 0.2, 3.5}, {2.0, 0.2, 4.5}, {2.74, 0.12, 6.0}};
    constexpr double Fundamental = 880;
    Samples out(samplesFor(1.0));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double attack = std::min(1.0, t * 400);
        for (const Partial& p : Partials)
            out[i] += attack * p.level * std::exp(-p.decay * t) * std::sin(2 * std::numbers::pi * Fundamental * p.ratio * t);
    }
    return out;
}

// Scales the loudest sample to `peak`, so no sound clips and all three play
// at the same level.
Samples normalized(Samples samples, double peak = 0.9)
{
    double loudest = 0;
    for (const double s : samples)
        loudest = std::max(loudest, std::abs(s));
    if (loudest > 0) {
        for (double& s : samples)
            s *= peak / loudest;
    }
    return samples;
}

void putLittleEndian(std::ofstream& file, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        file.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool writeWave(const std::filesystem::path& path, const Samples& samples)
{
    std::ofstream file(path, std::ios::binary);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    file << "RIFF";
    putLittleEndian(file, 36 + dataBytes, 4);
    file << "WAVEfmt ";
    putLittleEndian(file, 16, 4);              // fmt chunk size
    putLittleEndian(file, 1, 2);               // PCM
    putLittleEndian(file, 1, 2);               // mono
    putLittleEndian(file, SampleRate, 4);
    putLittleEndian(file, SampleRate * 2, 4);  // bytes per second
    putLittleEndian(file, 2, 2);               // bytes per frame
    putLittleEndian(file, 16, 2);              // bits per sample
    file << "data";
    putLittleEndian(file, dataBytes, 4);
    for (const double s : samples) {
        const auto value = static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767));
        putLittleEndian(file, static_cast<std::uint16_t>(value), 2);
    }
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const bool written = writeWave(folder / "Shuffle.wav", normalized(shuffle())) &&
                         writeWave(folder / "CardDeal1.wav", normalized(cardDeal())) &&
                         writeWave(folder / "RingOut.wav", normalized(ringOut(), 0.7));
    if (!written) {
        std::fprintf(stderr, "make_sounds: cannot write the sounds into %s\n", folder.string().c_str());
        return 1;
    }
    return 0;
}
