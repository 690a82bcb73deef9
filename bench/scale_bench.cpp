// The cost of enlarging the game's 800 x 600 picture for the window, per presented
// frame: the whole picture, sharp and smooth, at every factor.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdlib>

#include "core/display_scale.h"

namespace {

bool StartHeadless() {
  static bool started = false;
  if (!started) {
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return false;
    set_color_depth(32);
    started = true;
  }
  return true;
}

void BM_ScalePicture(benchmark::State& state) {
  if (!StartHeadless()) {
    state.SkipWithError("no Allegro");
    return;
  }
  const int k = static_cast<int>(state.range(0));
  const bool smooth = state.range(1) != 0;
  BITMAP* src = create_bitmap(kPictureW, kPictureH);
  BITMAP* dst = create_bitmap(kPictureW * k, kPictureH * k);
  for (int y = 0; y < kPictureH; y++)
    for (int x = 0; x < kPictureW; x++) putpixel(src, x, y, makecol(x & 255, y & 255, (x ^ y) & 255));
  for (auto _ : state) {
    ScaleRows(src, dst, k, 0, kPictureH, smooth);
    benchmark::DoNotOptimize(dst->line[0][0]);
  }
  state.SetLabel(smooth ? "smooth" : "sharp");
  destroy_bitmap(dst);
  destroy_bitmap(src);
}
BENCHMARK(BM_ScalePicture)
    ->ArgsProduct({{1, 2, 3, 4}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
