// Writes the menu sounds played where the desktop's theme has none; run by the build.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <numbers>
#include <vector>

namespace {

constexpr int kRate = 22050;

struct Partial {
  double hertz;
  double weight;
};

// A few decaying sine partials; the fades at both ends keep the speaker from popping.
std::vector<std::int16_t> Tone(double seconds, double level, double attack, double decay,
                               std::initializer_list<Partial> partials) {
  constexpr double kFadeOut = 0.008;
  const int count = static_cast<int>(seconds * kRate);
  std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kRate;
    double wave = 0;
    for (const Partial& p : partials) wave += p.weight * std::sin(2 * std::numbers::pi * p.hertz * t);
    const double envelope = std::min(1.0, t / attack) * std::exp(-t / decay) * std::min(1.0, (seconds - t) / kFadeOut);
    samples[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(std::lround(32767 * level * envelope * wave));
  }
  return samples;
}

void Put(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// 16-bit mono PCM, the plainest WAV every sound library reads.
bool WriteWav(const std::filesystem::path& file, const std::vector<std::int16_t>& samples) {
  std::ofstream out(file, std::ios::binary);
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  out.write("RIFF", 4);
  Put(out, 36 + dataBytes, 4);
  out.write("WAVEfmt ", 8);
  Put(out, 16, 4);
  Put(out, 1, 2);  // PCM
  Put(out, 1, 2);  // mono
  Put(out, kRate, 4);
  Put(out, kRate * 2, 4);
  Put(out, 2, 2);
  Put(out, 16, 2);
  out.write("data", 4);
  Put(out, dataBytes, 4);
  for (std::int16_t s : samples) Put(out, static_cast<std::uint16_t>(s), 2);
  return static_cast<bool>(out);
}

}  // namespace

// A soft click for a command, a short soft chime for hovering: heard often, so kept quiet and brief.
int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
    return 2;
  }
  const std::filesystem::path dir(argv[1]);
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  const bool written =
      WriteWav(dir / "menu_command.wav", Tone(0.035, 0.35, 0.0006, 0.006, {{1900, 0.7}, {3100, 0.3}})) &&
      WriteWav(dir / "menu_popup.wav", Tone(0.15, 0.2, 0.003, 0.045, {{1320, 0.67}, {1980, 0.23}, {2640, 0.1}}));
  if (!written) {
    std::fprintf(stderr, "cannot write the sounds into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
