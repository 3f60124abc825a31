// Writes the two short notice sounds (bleeb.wav, Cosmicl.wav) into every
// folder given on the command line: 22050 Hz, mono, 16-bit PCM.
// Synthesised here so the build needs no audio tool.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

void putLe(std::ofstream& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xff));
}

bool writeWav(const std::filesystem::path& path, const std::vector<double>& samples)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    putLe(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    putLe(out, 16, 4);          // fmt chunk size
    putLe(out, 1, 2);           // PCM
    putLe(out, 1, 2);           // mono
    putLe(out, kRate, 4);
    putLe(out, kRate * 2, 4);   // byte rate
    putLe(out, 2, 2);           // block align
    putLe(out, 16, 2);          // bits per sample
    out.write("data", 4);
    putLe(out, dataBytes, 4);
    for (double s : samples) {
        const double clamped = std::fmax(-1.0, std::fmin(1.0, s));
        putLe(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(clamped * 32767.0))), 2);
    }
    return static_cast<bool>(out);
}

// A soft bell note: quick attack, exponential decay, a touch of the octave.
void addBell(std::vector<double>& buf, double startSec, double lengthSec, double freq, double gain)
{
    const int start = static_cast<int>(startSec * kRate);
    const int length = static_cast<int>(lengthSec * kRate);
    for (int i = 0; i < length && start + i < static_cast<int>(buf.size()); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double attack = std::fmin(1.0, t / 0.004);
        const double release = std::fmin(1.0, (lengthSec - t) / 0.01);
        const double env = attack * release * std::exp(-t * 14.0);
        const double tone = std::sin(kTwoPi * freq * t) + 0.25 * std::sin(kTwoPi * 2.0 * freq * t);
        buf[start + i] += gain * env * tone;
    }
}

// Two-tone chime, E6 then A6 (~0.25 s).
std::vector<double> bleeb()
{
    std::vector<double> buf(static_cast<std::size_t>(0.25 * kRate), 0.0);
    addBell(buf, 0.0, 0.25, 1318.5, 0.35);
    addBell(buf, 0.09, 0.16, 1760.0, 0.35);
    return buf;
}

// Rising sweep with a shimmering vibrato (~0.4 s).
std::vector<double> cosmic()
{
    const double length = 0.4;
    std::vector<double> buf(static_cast<std::size_t>(length * kRate), 0.0);
    double phase = 0.0;
    double phase2 = 0.0;
    for (std::size_t i = 0; i < buf.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double progress = t / length;
        const double freq = 320.0 * std::pow(1800.0 / 320.0, progress) * (1.0 + 0.03 * std::sin(kTwoPi * 18.0 * t));
        phase += kTwoPi * freq / kRate;
        phase2 += kTwoPi * freq * 1.5 / kRate;
        const double env = std::fmin(1.0, t / 0.03) * std::fmin(1.0, (length - t) / 0.08);
        buf[i] = env * (0.4 * std::sin(phase) + 0.15 * std::sin(phase2));
    }
    return buf;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder>...\n", argv[0]);
        return 2;
    }
    const auto chime = bleeb();
    const auto sweep = cosmic();
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path dir = argv[i];
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        if (!writeWav(dir / "bleeb.wav", chime) || !writeWav(dir / "Cosmicl.wav", sweep)) {
            std::fprintf(stderr, "%s: cannot write into %s\n", argv[0], argv[i]);
            return 1;
        }
    }
    return 0;
}
