#include "rules/sound_effects.h"

#include "core/game_data.h"
#include "core/game_options.h"
#include "core/platform.h"
#include "core/random.h"
#include "quest/quest_model.h"

int IndoorLoop = kIndoorAmbientLoop;
int OutdoorLoop = kOutdoorAmbientLoop;

namespace {

constexpr int kCentre = 128, kNormalPitch = 1000;
constexpr int kOpenGround = 1;

int gPlaying = 0;          // effect number of the loop that plays, 0 = none
unsigned gNextEffect = 0;  // process clock of the next random ambient effect

bool SoundOn() { return GameOptions.sound > 0; }

int LoopVolume() { return GameOptions.volume * 7; }

void StartLoop(int n) {
  Sys().PlaySample(EffectSample(n), LoopVolume(), kCentre, kNormalPitch, 1);
  gPlaying = n;
}

void StopLoop() {
  if (gPlaying) Sys().StopSample(EffectSample(gPlaying));
  gPlaying = 0;
}

int FloorCode(int x, int y) {
  if (x < 0 || x >= kBoardW || y < 0 || y >= kBoardH) return 0;
  return FloorMap[x][y];
}

bool Due(unsigned now) { return static_cast<int>(now - gNextEffect) >= 0; }

void RandomAmbientEffect(bool outdoor, unsigned now) {
  if (outdoor)
    PlayEffect(RandomMod(3) + 21);
  else
    PlayEffect((RandomDraw() & 3) + 18);
  gNextEffect = now + static_cast<unsigned>((RandomMod(9) + 9) * 1000);
}

}  // namespace

void ChooseAmbientPair(int r) {
  r = r ? 1 : 0;
  IndoorLoop = kIndoorAmbientLoop + r;
  OutdoorLoop = 26 + r;
}

void PlayEffect(int n) {
  if (!SoundOn()) return;
  int volume = GameOptions.volume;
  if (n >= 1 && n <= 17) {
    Sys().PlaySample(EffectSample(n), volume * 25, kCentre, kNormalPitch, 0);
  } else if (n >= 18 && n <= 23) {
    int vol = (RandomMod(8) + 8) * volume;
    int pan = RandomMod(255) + 1;
    int pitch = RandomMod(500) + 750;
    Sys().PlaySample(EffectSample(n), vol, pan, pitch, 0);
  }
}

void Ambience(int x, int y, int mode) {
  if (!SoundOn()) return;
  unsigned now = Sys().NowMs();
  switch (mode) {
    case kAmbienceStart: {
      StopLoop();
      int code = FloorCode(x, y);
      if (code == kOpenGround)
        StartLoop(OutdoorLoop);
      else if (code > kOpenGround)
        StartLoop(IndoorLoop);
      gNextEffect = now + static_cast<unsigned>(((RandomDraw() & 3) + 2) * 1000);
      break;
    }
    case kAmbienceUpdate: {
      int code = FloorCode(x, y);
      if (code == 0) break;
      bool outdoor = code == kOpenGround;
      if (outdoor && gPlaying == IndoorLoop) {
        StopLoop();
        StartLoop(OutdoorLoop);
      } else if (!outdoor && gPlaying == OutdoorLoop) {
        StopLoop();
        StartLoop(IndoorLoop);
      }
      if (Due(now)) RandomAmbientEffect(outdoor, now);
      break;
    }
    case kAmbienceTick:
      if (gPlaying && Due(now)) RandomAmbientEffect(gPlaying == OutdoorLoop, now);
      break;
    case kAmbienceStop:
      StopLoop();
      break;
    case kAmbienceVolume:
      // The loop keeps the loudness it started with, at the new volume.
      if (gPlaying)
        Sys().AdjustSample(EffectSample(gPlaying), LoopVolume(), kCentre, kNormalPitch, 1);
      break;
    default:
      break;
  }
}

int PlayingAmbientLoop() { return gPlaying; }
unsigned NextAmbientEffectMs() { return gNextEffect; }
void ResetAmbience() {
  gPlaying = 0;
  gNextEffect = 0;
}
