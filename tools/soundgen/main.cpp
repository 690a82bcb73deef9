// soundgen OUTDIR: synthesises every sound effect of Dunmar.dat as mono 16-bit WAV
// files OUTDIR/e081.wav ... OUTDIR/e108.wav (effect n is file 81 + n).
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr float kPi = 3.14159265f;

using Wave = std::vector<float>;

// A small deterministic generator so every build makes the same sounds.
struct Rng {
  uint32_t s;
  explicit Rng(uint32_t seed) : s(seed * 2654435761u + 1) {}
  float Next() {  // -1..1
    s ^= s << 13;
    s ^= s >> 17;
    s ^= s << 5;
    return (s & 0xffffff) / float(0x800000) - 1.f;
  }
};

int Samples(float seconds) { return int(seconds * kRate); }

// Band-pass biquad (constant peak gain); stable for any centre below the Nyquist limit.
struct BandPass {
  float x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  float Run(float in, float fc, float q) {
    fc = std::clamp(fc, 20.f, kRate * 0.45f);
    float w = 2 * kPi * fc / kRate, alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
    float b0 = alpha / a0, b2 = -alpha / a0, a1 = -2 * std::cos(w) / a0, a2 = (1 - alpha) / a0;
    float y = b0 * in + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = in;
    y2 = y1;
    y1 = y;
    return y;
  }
};

void Add(Wave& w, const Wave& o, float at, float gain = 1.f) {
  size_t start = size_t(std::max(0.f, at) * kRate);
  if (w.size() < start + o.size()) w.resize(start + o.size(), 0.f);
  for (size_t i = 0; i < o.size(); ++i) w[start + i] += o[i] * gain;
}

// Exponentially decaying sine with optional pitch glide.
Wave Tone(float f0, float f1, float len, float decay, float attack = 0.004f) {
  Wave w(Samples(len));
  float phase = 0;
  for (size_t i = 0; i < w.size(); ++i) {
    float t = float(i) / kRate, k = t / len;
    float f = f0 * std::pow(f1 / f0, k);
    phase += 2 * kPi * f / kRate;
    float env = std::min(1.f, t / attack) * std::exp(-t * decay);
    w[i] = std::sin(phase) * env;
  }
  return w;
}

// Noise through a resonant band-pass (state-variable filter) with a decay envelope.
Wave Noise(float centre0, float centre1, float q, float len, float decay, uint32_t seed,
           float attack = 0.002f) {
  Wave w(Samples(len));
  Rng r(seed);
  BandPass bp;
  for (size_t i = 0; i < w.size(); ++i) {
    float t = float(i) / kRate, k = t / len;
    float fc = centre0 * std::pow(centre1 / centre0, k);
    float env = std::min(1.f, t / attack) * std::exp(-t * decay);
    w[i] = bp.Run(r.Next(), fc, q) * env;
  }
  return w;
}

// Additive bell/metal partials.
Wave Metal(float f, float len, float decay, std::vector<float> ratios) {
  Wave w(Samples(len), 0.f);
  for (size_t p = 0; p < ratios.size(); ++p) Add(w, Tone(f * ratios[p], f * ratios[p], len, decay * (1 + p * 0.4f), 0.001f), 0, 1.f / (1 + p));
  return w;
}

void Normalise(Wave& w, float peak) {
  float m = 0;
  for (float v : w) m = std::max(m, std::fabs(v));
  if (m > 0)
    for (float& v : w) v *= peak / m;
}

void FadeEdges(Wave& w, float in, float out) {
  int a = Samples(in), b = Samples(out);
  for (int i = 0; i < a && i < int(w.size()); ++i) w[i] *= float(i) / a;
  for (int i = 0; i < b && i < int(w.size()); ++i) w[w.size() - 1 - i] *= float(i) / b;
}

// Removes any constant offset (one-sided pulses such as creaks have one).
void BlockDc(Wave& w) {
  float px = 0, py = 0;
  for (float& v : w) {
    float y = v - px + 0.995f * py;
    px = v;
    py = y;
    v = y;
  }
}

// One-pole low-pass.
void LowPass(Wave& w, float fc) {
  float a = 1 - std::exp(-2 * kPi * fc / kRate), y = 0;
  for (float& v : w) v = y += a * (v - y);
}

// Simple feedback echo for a dungeon feel.
void Echo(Wave& w, float delay, float feedback, float tail) {
  size_t d = size_t(delay * kRate);
  w.resize(w.size() + Samples(tail), 0.f);
  for (size_t i = d; i < w.size(); ++i) w[i] += w[i - d] * feedback;
}

// Makes a loop seamless: the last `overlap` seconds are crossfaded into the start
// and cut off, so the end flows into the beginning.
void MakeLoop(Wave& w, float overlap) {
  size_t n = Samples(overlap);
  if (w.size() < 2 * n) return;
  size_t keep = w.size() - n;
  for (size_t i = 0; i < n; ++i) {
    float t = float(i) / n;
    float a = std::sqrt(t), b = std::sqrt(1 - t);
    w[i] = w[i] * a + w[keep + i] * b;
  }
  w.resize(keep);
}

bool WriteWav(const std::string& path, const Wave& w) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) {
    std::fprintf(stderr, "soundgen: cannot write %s\n", path.c_str());
    return false;
  }
  auto u32 = [&](uint32_t v) { uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}; std::fwrite(b, 1, 4, f); };
  auto u16 = [&](uint16_t v) { uint8_t b[2] = {uint8_t(v), uint8_t(v >> 8)}; std::fwrite(b, 1, 2, f); };
  uint32_t bytes = uint32_t(w.size() * 2);
  std::fwrite("RIFF", 1, 4, f);
  u32(36 + bytes);
  std::fwrite("WAVEfmt ", 1, 8, f);
  u32(16);
  u16(1);
  u16(1);
  u32(kRate);
  u32(kRate * 2);
  u16(2);
  u16(16);
  std::fwrite("data", 1, 4, f);
  u32(bytes);
  for (float v : w) u16(uint16_t(int16_t(std::lround(std::clamp(v, -1.f, 1.f) * 32767))));
  bool ok = !std::ferror(f);
  ok = (std::fclose(f) == 0) && ok;
  if (!ok) std::fprintf(stderr, "soundgen: failed writing %s\n", path.c_str());
  return ok;
}

// ---- the effects ----

// The grain of a creaking hinge or beam: one narrow pulse per period of a wandering
// pitch. pitch(t, jitter) is the frequency at t seconds, given a fresh jitter in -1..1
// each sample; a higher sharpness makes narrower, drier pulses; shape(pulse, t) gives
// the sample, the pulse under the sound's envelope.
template <typename Pitch, typename Shape>
Wave Creaking(float len, uint32_t seed, float sharpness, Pitch pitch, Shape shape) {
  Wave w(Samples(len));
  float phase = 0;
  Rng r(seed);
  for (size_t i = 0; i < w.size(); ++i) {
    float t = float(i) / kRate;
    phase += 2 * kPi * pitch(t, r.Next()) / kRate;
    w[i] = shape(std::pow(std::max(0.f, std::sin(phase)), sharpness), t);
  }
  return w;
}

Wave Click(float gain) {
  // A short wooden tock: two damped partials and a breath of filtered noise.
  Wave w = Tone(1250, 1100, 0.045f, 110, 0.0008f);
  Add(w, Tone(2650, 2500, 0.03f, 170, 0.0005f), 0, 0.45f);
  Add(w, Noise(3500, 2500, 1.5f, 0.02f, 250, 1, 0.0005f), 0, 0.35f);
  Normalise(w, gain);
  return w;
}

Wave Teleport() {
  Wave w(Samples(0.9f), 0.f);
  for (int i = 0; i < 5; ++i) Add(w, Tone(300 + i * 180, 1200 + i * 300, 0.5f, 5, 0.05f), i * 0.06f, 0.5f);
  Add(w, Noise(2000, 6000, 4, 0.8f, 4, 2, 0.2f), 0, 0.4f);
  Echo(w, 0.11f, 0.35f, 0.3f);
  return w;
}

Wave Door() {
  Wave w(Samples(1.2f), 0.f);
  // Creak: a rough glide, then the thud of the door against the wall.
  Wave creak = Creaking(
      0.8f, 3, 12.f, [](float t, float jitter) { return 180 + 140 * std::sin(t * 5.0f) + 40 * jitter; },
      [](float pulse, float t) { return pulse * std::min(1.f, t / 0.1f) * std::exp(-t * 2.5f); });
  LowPass(creak, 2500);
  Add(w, creak, 0, 1.0f);
  Add(w, Tone(90, 50, 0.35f, 12, 0.002f), 0.75f, 1.0f);
  Add(w, Noise(300, 150, 1.5f, 0.3f, 18, 4), 0.75f, 0.8f);
  Echo(w, 0.13f, 0.3f, 0.2f);
  return w;
}

Wave TurnEnd() {
  Wave w(Samples(0.5f), 0.f);
  Add(w, Metal(660, 0.45f, 9, {1, 2.0f, 3.01f}), 0, 0.7f);
  Add(w, Metal(495, 0.45f, 9, {1, 2.0f, 3.01f}), 0.09f, 0.6f);
  return w;
}

Wave Rattle() {
  Wave w(Samples(0.6f), 0.f);
  for (int i = 0; i < 5; ++i) {
    Add(w, Noise(1800, 1200, 6, 0.07f, 50, 10 + i), i * 0.085f, 1.f);
    Add(w, Metal(900 + i * 37, 0.08f, 45, {1, 2.7f, 4.1f}), i * 0.085f, 0.5f);
  }
  Add(w, Tone(120, 90, 0.15f, 20), 0.0f, 0.6f);
  return w;
}

Wave Step(uint32_t seed, float pitch) {
  Wave w = Noise(500 * pitch, 250 * pitch, 1.2f, 0.16f, 30, seed, 0.004f);
  Add(w, Noise(2400 * pitch, 1800 * pitch, 2, 0.06f, 70, seed + 1), 0.005f, 0.25f);
  Add(w, Tone(110 * pitch, 80 * pitch, 0.1f, 40), 0, 0.5f);
  return w;
}

Wave MagicFizzle() {
  Wave w(Samples(0.8f), 0.f);
  Add(w, Noise(4000, 800, 8, 0.7f, 5, 20, 0.05f), 0, 1.f);
  Add(w, Tone(900, 300, 0.6f, 6, 0.05f), 0, 0.35f);
  return w;
}

Wave MagicHit() {
  Wave w(Samples(1.0f), 0.f);
  for (int i = 0; i < 4; ++i) Add(w, Tone(440 * (1 + i * 0.5f), 220 * (1 + i * 0.5f), 0.7f, 5, 0.01f), 0, 0.4f);
  Add(w, Noise(1500, 300, 3, 0.6f, 6, 21, 0.01f), 0.02f, 0.8f);
  Echo(w, 0.09f, 0.4f, 0.3f);
  return w;
}

Wave Clang() {
  Wave w = Metal(520, 0.8f, 6, {1, 2.76f, 5.4f, 8.93f});
  Add(w, Noise(5000, 3000, 3, 0.05f, 80, 22), 0, 0.6f);
  return w;
}

Wave Hit() {
  Wave w(Samples(0.5f), 0.f);
  Add(w, Noise(900, 200, 1.2f, 0.4f, 14, 23, 0.001f), 0, 1.f);
  Add(w, Tone(140, 50, 0.3f, 14, 0.001f), 0, 0.9f);
  Add(w, Metal(700, 0.2f, 25, {1, 2.76f}), 0, 0.25f);
  return w;
}

Wave Death() {
  Wave w(Samples(1.4f), 0.f);
  Wave groan(Samples(1.1f));
  float phase = 0;
  Rng r(24);
  for (size_t i = 0; i < groan.size(); ++i) {
    float t = float(i) / kRate;
    float f = 160 * std::exp(-t * 0.9f) + 3 * r.Next();
    phase += 2 * kPi * f / kRate;
    float v = std::sin(phase) + 0.5f * std::sin(2 * phase) + 0.3f * std::sin(3 * phase);
    groan[i] = v * std::min(1.f, t / 0.05f) * std::exp(-t * 2.2f);
  }
  LowPass(groan, 1200);
  Add(w, groan, 0, 1.f);
  Add(w, Noise(250, 100, 1.2f, 0.4f, 9, 25), 0.8f, 0.9f);
  Echo(w, 0.15f, 0.3f, 0.2f);
  return w;
}

Wave Fanfare() {
  Wave w(Samples(1.6f), 0.f);
  const float notes[][2] = {{392, 0}, {523.3f, 0.14f}, {659.3f, 0.28f}, {784, 0.42f}};
  for (auto& n : notes) {
    Wave t(Samples(n[1] < 0.4f ? 0.5f : 1.1f), 0.f);
    for (int h = 1; h <= 6; ++h) Add(t, Tone(n[0] * h, n[0] * h, t.size() / float(kRate), n[1] < 0.4f ? 7 : 3, 0.015f), 0, 1.f / (h * 1.1f));
    Add(w, t, n[1], 0.5f);
  }
  Echo(w, 0.12f, 0.3f, 0.3f);
  return w;
}

Wave Explosion() {
  Wave w(Samples(1.6f), 0.f);
  Add(w, Noise(1200, 80, 0.8f, 1.5f, 3.5f, 26, 0.001f), 0, 1.f);
  Add(w, Tone(70, 30, 1.0f, 4, 0.002f), 0, 0.9f);
  Wave crackle(Samples(0.8f), 0.f);
  Rng r(27);
  for (int i = 0; i < 30; ++i) Add(crackle, Noise(3000, 2000, 4, 0.02f, 150, 28 + i), 0.02f + (r.Next() + 1) * 0.35f, 0.5f);
  Add(w, crackle, 0.05f, 0.6f);
  LowPass(w, 4000);
  return w;
}

Wave Chime() {  // 14: a gentle discovery chime
  Wave w(Samples(1.0f), 0.f);
  Add(w, Metal(1046.5f, 0.9f, 4, {1, 2.0f, 3.0f}), 0, 0.5f);
  Add(w, Metal(1318.5f, 0.8f, 4, {1, 2.0f, 3.0f}), 0.1f, 0.45f);
  return w;
}

Wave Coins() {  // 15: a handful of coins
  Wave w(Samples(0.8f), 0.f);
  Rng r(40);
  for (int i = 0; i < 9; ++i) Add(w, Metal(2600 + r.Next() * 600, 0.2f, 25, {1, 1.6f, 2.9f}), 0.04f + i * 0.05f + r.Next() * 0.02f, 0.5f);
  return w;
}

Wave Gong() {  // 17: a deep gong for grave moments
  Wave w = Metal(110, 2.0f, 1.8f, {1, 1.49f, 2.0f, 2.63f, 3.4f});
  Add(w, Noise(400, 200, 2, 0.2f, 20, 41), 0, 0.3f);
  return w;
}

Wave Drip(uint32_t seed) {
  Wave w(Samples(1.5f), 0.f);
  Rng r(seed);
  for (int i = 0; i < 3; ++i) {
    float f = 1200 + r.Next() * 300;
    Add(w, Tone(f, f * 1.8f, 0.08f, 50, 0.001f), 0.1f + i * (0.35f + r.Next() * 0.1f), 0.6f);
  }
  Echo(w, 0.17f, 0.45f, 0.6f);
  return w;
}

Wave Rumble() {
  Wave w = Noise(90, 60, 1.0f, 2.5f, 1.2f, 50, 0.4f);
  LowPass(w, 200);
  Add(w, Noise(300, 150, 1.5f, 2.0f, 2.0f, 51, 0.3f), 0.2f, 0.15f);
  return w;
}

Wave Creak() {
  Wave w = Creaking(
      1.3f, 52, 16.f, [](float t, float jitter) { return 95 + 50 * std::sin(t * 3.1f) + 10 * jitter; },
      [](float pulse, float t) { return pulse * std::sin(kPi * t / 1.3f); });
  LowPass(w, 1800);
  Echo(w, 0.14f, 0.35f, 0.3f);
  return w;
}

Wave Chains() {
  Wave w(Samples(1.4f), 0.f);
  Rng r(53);
  for (int i = 0; i < 14; ++i)
    Add(w, Metal(1700 + r.Next() * 500, 0.15f, 30, {1, 2.3f, 3.7f}), 0.05f + i * 0.07f + r.Next() * 0.03f, 0.6f - i * 0.03f);
  Echo(w, 0.13f, 0.35f, 0.3f);
  return w;
}

Wave Wind(float len, uint32_t seed) {
  Wave w(Samples(len));
  Rng r(seed);
  BandPass bp;
  for (size_t i = 0; i < w.size(); ++i) {
    float t = float(i) / kRate;
    float fc = 500 + 350 * std::sin(t * 1.7f) + 150 * std::sin(t * 4.3f + 1);
    w[i] = bp.Run(r.Next(), fc, 6.f) * std::sin(kPi * t / len);
  }
  return w;
}

Wave Birds() {
  Wave w(Samples(1.6f), 0.f);
  Rng r(54);
  for (int i = 0; i < 5; ++i) {
    float base = 2600 + r.Next() * 400;
    Add(w, Tone(base, base * 1.35f, 0.09f, 18, 0.01f), 0.1f + i * 0.16f + (i > 2 ? 0.35f : 0), 0.6f);
  }
  return w;
}

Wave Rustle() {
  Wave w(Samples(1.5f), 0.f);
  Rng r(55);
  for (int i = 0; i < 40; ++i)
    Add(w, Noise(4000 + r.Next() * 1500, 3000, 2, 0.05f, 60, 56 + i), 0.1f + (r.Next() + 1) * 0.6f, 0.4f);
  FadeEdges(w, 0.2f, 0.3f);
  return w;
}

// Ambient loops, six seconds each. The noise beds are made half a second longer and
// their ends crossfaded into their starts; the tonal parts are added afterwards with
// whole numbers of periods in the six seconds, so nothing jumps at the seam.
constexpr float kLoopSeconds = 6.0f;

Wave Periodic(const std::function<float(float)>& f) {
  Wave w(Samples(kLoopSeconds));
  for (size_t i = 0; i < w.size(); ++i) w[i] = f(float(i) / kRate);
  return w;
}

Wave IndoorLoop(int kind) {
  Wave w = Noise(kind ? 70 : 110, kind ? 70 : 110, 0.7f, kLoopSeconds + 0.5f, 0, 60 + kind, 0.001f);
  LowPass(w, kind ? 160 : 260);
  Normalise(w, 0.5f);
  if (kind == 1) Add(w, Drip(70), 2.0f, 0.15f);  // a distant drip, well inside the loop
  MakeLoop(w, 0.5f);
  w.resize(Samples(kLoopSeconds), 0.f);
  // A low hum of the deep, breathing slowly (65 or 55 Hz, swelling every 3 s).
  const float hz = kind ? 55.f : 65.f;
  Add(w, Periodic([hz](float t) { return 0.12f * std::sin(2 * kPi * hz * t) * (0.7f + 0.3f * std::sin(2 * kPi * t / 3.f)); }), 0, 1.f);
  return w;
}

Wave OutdoorLoop(int kind) {
  Wave w(Samples(kLoopSeconds + 0.5f), 0.f);
  Rng r(80 + kind);
  BandPass bp;
  for (size_t i = 0; i < w.size(); ++i) {
    float t = float(i) / kRate;
    float fc = (kind ? 900 : 600) + 250 * std::sin(2 * kPi * t / 3.f) + 120 * std::sin(2 * kPi * t / 1.5f);
    w[i] = bp.Run(r.Next(), fc, 1.5f) * (0.6f + 0.4f * std::sin(2 * kPi * t / 6.f));
  }
  MakeLoop(w, 0.5f);
  w.resize(Samples(kLoopSeconds), 0.f);
  if (kind == 1)  // crickets: 4200 Hz chirps, two a second
    Add(w, Periodic([](float t) {
          float p = std::fmod(t, 0.5f);
          float gate = p < 0.12f ? std::sin(kPi * p / 0.12f) : 0.f;
          return 0.08f * std::sin(2 * kPi * 4200 * t) * gate * (0.5f + 0.5f * std::sin(2 * kPi * 60 * t));
        }),
        0, 1.f);
  return w;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: soundgen OUTDIR\n");
    return 2;
  }
  std::string dir = argv[1];
  if (mkdir(dir.c_str(), 0755) != 0 && errno != EEXIST) {
    std::fprintf(stderr, "soundgen: cannot make %s\n", dir.c_str());
    return 1;
  }
  std::vector<Wave> fx(28);
  fx[0] = Click(0.15f);
  fx[1] = Click(0.7f);
  fx[2] = Teleport();
  fx[3] = Door();
  fx[4] = TurnEnd();
  fx[5] = Rattle();
  fx[6] = Step(30, 1.0f);
  fx[7] = Step(31, 0.8f);
  fx[8] = MagicFizzle();
  fx[9] = MagicHit();
  fx[10] = Clang();
  fx[11] = Hit();
  fx[12] = Death();
  fx[13] = Fanfare();
  fx[14] = Chime();
  fx[15] = Coins();
  fx[16] = Explosion();
  fx[17] = Gong();
  fx[18] = Drip(90);
  fx[19] = Rumble();
  fx[20] = Creak();
  Add(fx[20], Chains(), 0.5f, 0.7f);
  fx[21] = Wind(2.2f, 91);
  fx[22] = Birds();
  fx[23] = Rustle();
  fx[24] = IndoorLoop(0);
  fx[25] = IndoorLoop(1);
  fx[26] = OutdoorLoop(0);
  fx[27] = OutdoorLoop(1);
  bool ok = true;
  for (int n = 0; n < 28; ++n) {
    Wave& w = fx[n];
    if (n < 24) BlockDc(w);
    if (n >= 1 && n < 24) {
      FadeEdges(w, 0.0f, 0.01f);
      Normalise(w, n == 1 || n == 6 || n == 7 ? 0.6f : 0.85f);  // frequent sounds stay softer
    } else if (n >= 24) {
      Normalise(w, 0.7f);
    }
    char name[32];
    std::snprintf(name, sizeof name, "/e%03d.wav", 81 + n);
    ok &= WriteWav(dir + name, w);
  }
  return ok ? 0 : 1;
}
