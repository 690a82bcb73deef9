#include "core/display_scale.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "core/colors.h"
#include "core/game_options.h"
#include "core/message_log.h"

// ---- The pure parts ----

int ChooseScaleFactor(int setting, int screenW, int screenH, bool fullscreen) {
  if (setting >= 1) return std::min(setting, kLargestScale);
  const int room = fullscreen ? 0 : kWindowFrameRoom;
  int factor = 1;
  for (int k = 2; k <= kLargestScale; k++)
    if (kPictureW * k + room <= screenW && kPictureH * k + room <= screenH) factor = k;
  return factor;
}

int PictureCoordinate(int real, int factor, int offset, int size) {
  if (factor < 1) factor = 1;
  int p = real - offset;
  p = p < 0 ? 0 : p / factor;  // a plain division would round -1 up to 0 anyway
  return std::clamp(p, 0, size - 1);
}

namespace {

// Blends two 0xAARRGGBB pixels, w/256 of b; the top byte is left out.
inline uint32_t Blend(uint32_t a, uint32_t b, uint32_t w) {
  const uint32_t v = 256 - w;
  uint32_t rb = (((a & 0xFF00FFu) * v + (b & 0xFF00FFu) * w) >> 8) & 0xFF00FFu;
  uint32_t g = (((a & 0x00FF00u) * v + (b & 0x00FF00u) * w) >> 8) & 0x00FF00u;
  return rb | g;
}

// The same for the quarter weight of the factor 2, without multiplying: the mean of a
// and the mean of a and b, each mean bytewise and rounded up (as the vector unit does).
inline uint32_t Mean(uint32_t a, uint32_t b) { return (a | b) - (((a ^ b) & 0xFEFEFEFEu) >> 1); }
inline uint32_t Quarter(uint32_t a, uint32_t b) { return Mean(a, Mean(a, b)); }

#ifdef __SSE2__
inline __m128i Quarter4(__m128i a, __m128i b) { return _mm_avg_epu8(a, _mm_avg_epu8(a, b)); }
#endif

// out[x] = Quarter(a[x], b[x]) for n pixels.
void QuarterRow(const uint32_t* a, const uint32_t* b, uint32_t* out, int n) {
  int x = 0;
#ifdef __SSE2__
  for (; x + 4 <= n; x += 4) {
    __m128i va = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + x));
    __m128i vb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + x));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), Quarter4(va, vb));
  }
#endif
  for (; x < n; x++) out[x] = Quarter(a[x], b[x]);
}

// Sub-pixel j of factor k lies (2j + 1 - k) / 2k of a pixel from the centre of its
// source pixel: toward the left (or upper) neighbour when negative.
struct Tap {
  int step;      // -1, 0 or +1: the neighbour blended in
  uint32_t w;    // its weight, 0..256
};
void MakeTaps(int k, Tap* taps) {
  for (int j = 0; j < k; j++) {
    int num = 2 * j + 1 - k;  // in units of 1 / 2k
    if (num == 0)
      taps[j] = {0, 0};
    else
      taps[j] = {num < 0 ? -1 : 1, static_cast<uint32_t>((num < 0 ? -num : num) * 256 / (2 * k))};
  }
}

// Row r of src enlarged sideways into out (src->w * k pixels).
void SmoothRow(BITMAP* src, int r, int k, const Tap* taps, uint32_t* out) {
  const uint32_t* in = reinterpret_cast<const uint32_t*>(src->line[r]);
  const int w = src->w;
  if (k == 2 && w >= 2) {
    out[0] = in[0];
    out[1] = Quarter(in[0], in[1]);
    int x = 1;
#ifdef __SSE2__
    for (; x + 5 <= w; x += 4) {
      __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + x));
      __m128i l = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + x - 1));
      __m128i r = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + x + 1));
      __m128i left = Quarter4(c, l), right = Quarter4(c, r);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * x), _mm_unpacklo_epi32(left, right));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * x + 4),
                       _mm_unpackhi_epi32(left, right));
    }
#endif
    for (; x < w - 1; x++) {
      out[2 * x] = Quarter(in[x], in[x - 1]);
      out[2 * x + 1] = Quarter(in[x], in[x + 1]);
    }
    out[2 * w - 2] = Quarter(in[w - 1], in[w - 2]);
    out[2 * w - 1] = in[w - 1];
    return;
  }
  for (int x = 0; x < w; x++) {
    const uint32_t c = in[x];
    for (int j = 0; j < k; j++) {
      int n = x + taps[j].step;
      if (n < 0 || n >= w || taps[j].w == 0)
        *out++ = c;
      else
        *out++ = Blend(c, in[n], taps[j].w);
    }
  }
}

std::vector<uint32_t> gRowBuffers;  // three enlarged rows for the smooth scaler, kept

void ScaleSmooth32(BITMAP* src, BITMAP* dst, int k, int y0, int y1) {
  Tap taps[kLargestScale];
  MakeTaps(k, taps);
  const int outW = src->w * k;
  if (gRowBuffers.size() < static_cast<size_t>(3 * outW)) gRowBuffers.resize(3 * outW);
  uint32_t* rows[3] = {gRowBuffers.data(), gRowBuffers.data() + outW,
                       gRowBuffers.data() + 2 * outW};
  int held[3] = {-1, -1, -1};  // source row each buffer holds
  auto enlarged = [&](int r) -> const uint32_t* {
    r = std::clamp(r, 0, src->h - 1);
    for (int i = 0; i < 3; i++)
      if (held[i] == r) return rows[i];
    // Replace the buffer of the lowest row: rows are asked for in rising order.
    int victim = 0;
    for (int i = 1; i < 3; i++)
      if (held[i] < held[victim]) victim = i;
    SmoothRow(src, r, k, taps, rows[victim]);
    held[victim] = r;
    return rows[victim];
  };
  for (int y = y0; y < y1; y++) {
    const uint32_t* up = enlarged(y - 1);
    const uint32_t* mid = enlarged(y);
    const uint32_t* down = enlarged(y + 1);
    for (int j = 0; j < k; j++) {
      uint32_t* out = reinterpret_cast<uint32_t*>(dst->line[y * k + j]);
      const uint32_t* other = taps[j].step < 0 ? up : down;
      const uint32_t w = taps[j].w;
      if (w == 0 || other == mid)
        memcpy(out, mid, outW * sizeof(uint32_t));
      else if (k == 2)
        QuarterRow(mid, other, out, outW);
      else
        for (int x = 0; x < outW; x++) out[x] = Blend(mid[x], other[x], w);
    }
  }
}

void ScaleSharp32(BITMAP* src, BITMAP* dst, int k, int y0, int y1) {
  const int w = src->w;
  const size_t rowBytes = static_cast<size_t>(w) * k * sizeof(uint32_t);
  for (int y = y0; y < y1; y++) {
    const uint32_t* in = reinterpret_cast<const uint32_t*>(src->line[y]);
    uint32_t* out = reinterpret_cast<uint32_t*>(dst->line[y * k]);
    switch (k) {
      case 2:
        for (int x = 0; x < w; x++) out[2 * x] = out[2 * x + 1] = in[x];
        break;
      case 3:
        for (int x = 0; x < w; x++) out[3 * x] = out[3 * x + 1] = out[3 * x + 2] = in[x];
        break;
      default:
        for (int x = 0; x < w; x++)
          for (int j = 0; j < k; j++) out[k * x + j] = in[x];
    }
    for (int j = 1; j < k; j++) memcpy(dst->line[y * k + j], out, rowBytes);
  }
}

}  // namespace

void ScaleRows(BITMAP* src, BITMAP* dst, int factor, int y0, int y1, bool smooth) {
  if (!src || !dst || factor < 1) return;
  y0 = std::max(y0, 0);
  y1 = std::min({y1, src->h, dst->h / factor});
  if (y0 >= y1 || dst->w < src->w * factor) return;
  if (bitmap_color_depth(src) == 32 && bitmap_color_depth(dst) == 32 && is_memory_bitmap(dst)) {
    if (factor == 1)
      blit(src, dst, 0, y0, 0, y0, src->w, y1 - y0);
    else if (smooth)
      ScaleSmooth32(src, dst, factor, y0, y1);
    else
      ScaleSharp32(src, dst, factor, y0, y1);
    return;
  }
  stretch_blit(src, dst, 0, y0, src->w, y1 - y0, 0, y0 * factor, src->w * factor,
               (y1 - y0) * factor);
}

// ---- The display of the running game ----

namespace {

BITMAP* gPicture = nullptr;  // what the game draws (installed as `screen`)
BITMAP* gReal = nullptr;     // the library's screen
BITMAP* gScaled = nullptr;   // the picture enlarged (factor above 1)
BITMAP* gSprite = nullptr;   // the pointer as the game gave it
BITMAP* gScaledSprite = nullptr;
int gFactor = 1;
bool gFullscreen = false;
bool gSmooth = false;
int gScaleSetting = 0;
int gDesktopW = 0, gDesktopH = 0;
char gModeError[ALLEGRO_ERROR_SIZE] = "";
DisplayReopenedHook gReopened = nullptr;

// Rows of the picture written since they were last shown: [gDirtyTop, gDirtyEnd).
volatile int gDirtyTop = kPictureH;
volatile int gDirtyEnd = 0;
volatile int gToggleAsked = 0;

// The picture's line-writing hook: every drawing routine asks it for the address of a
// row it is about to write, so the changed rows are known without comparing pictures.
// Sub-bitmaps of the picture inherit it; their rows count from their own top.
uintptr_t NoteWrittenRow(BITMAP* bmp, int line) {
  int row = line + bmp->y_ofs;
  if (row < gDirtyTop) gDirtyTop = row;
  if (row + 1 > gDirtyEnd) gDirtyEnd = row + 1;
  return reinterpret_cast<uintptr_t>(bmp->line[line]);
}

// Drawing routines take a fast path past the hook for plain memory bitmaps (sprites,
// for one); the system-bitmap mark makes them all go through it.
BITMAP* CreatePicture() {
  BITMAP* b = create_bitmap(kPictureW, kPictureH);
  if (!b) return nullptr;
  clear_to_color(b, 0);
  b->write_bank = reinterpret_cast<void*>(NoteWrittenRow);
  b->id |= BMP_ID_SYSTEM;
  return b;
}

void DestroyPicture(BITMAP* b) {
  if (!b) return;
  b->id &= ~BMP_ID_SYSTEM;
  destroy_bitmap(b);
}

int (*gLibraryMouseX)() = nullptr;
int (*gLibraryMouseY)() = nullptr;
int (*gLibraryMouseB)() = nullptr;

void PollMouse() {
  if (mouse_needs_poll()) poll_mouse();
}
int GuiMouseX() {
  PollMouse();
  return PictureMouseX();
}
int GuiMouseY() {
  PollMouse();
  return PictureMouseY();
}
// The library's dialogs ask for the buttons once per turn of their loop: the point
// where they show what they drew.
int GuiMouseB() {
  ServiceDisplay();
  PollMouse();
  return mouse_b;
}

// Alt+Enter, from the library's keyboard thread: only noted (and kept from the game).
int WatchKeys(int k) {
  int scancode = k >> 8;
  if ((scancode == KEY_ENTER || scancode == KEY_ENTER_PAD) && (key_shifts & KB_ALT_FLAG)) {
    gToggleAsked = 1;
    return 0;
  }
  return k;
}

void UpdateMouseSprite() {
  if (gScaledSprite) {
    set_mouse_sprite(nullptr);
    destroy_bitmap(gScaledSprite);
    gScaledSprite = nullptr;
  }
  if (gSprite && gFactor > 1) {
    gScaledSprite = create_bitmap(gSprite->w * gFactor, gSprite->h * gFactor);
    if (gScaledSprite)
      stretch_blit(gSprite, gScaledSprite, 0, 0, gSprite->w, gSprite->h, 0, 0,
                   gScaledSprite->w, gScaledSprite->h);
  }
  set_mouse_sprite(gScaledSprite ? gScaledSprite : gSprite);
}

// Sets one mode for the picture; on success the picture is `screen` again.
bool SetMode(bool fullscreen, bool enlarge = true) {
  const int k = enlarge ? ChooseScaleFactor(gScaleSetting, gDesktopW, gDesktopH, fullscreen) : 1;
  const int card = fullscreen ? GFX_AUTODETECT_FULLSCREEN : GFX_AUTODETECT_WINDOWED;
  // A new mode brings the library's dialog colours and colour conversion back to their
  // defaults; the game's own stay.
  const int fg = gui_fg_color, mg = gui_mg_color, bg = gui_bg_color;
  const int conversion = get_color_conversion();
  const int result = set_gfx_mode(card, kPictureW * k, kPictureH * k, 0, 0);
  if (gPicture) {
    gui_fg_color = fg;
    gui_mg_color = mg;
    gui_bg_color = bg;
    set_color_conversion(conversion);
  }
  if (result != 0) {
    // A screen may offer no mode of the enlarged size: full screen unenlarged, then.
    if (fullscreen && k > 1) return SetMode(true, false);
    snprintf(gModeError, sizeof gModeError, "%s", allegro_error);
    gReal = nullptr;
    return false;
  }
  gReal = screen;
  gFullscreen = fullscreen;
  if (k != gFactor || (k > 1 && !gScaled)) {
    if (gScaled) destroy_bitmap(gScaled);
    gScaled = nullptr;
    gFactor = k;
  }
  if (gFactor > 1 && !gScaled) {
    gScaled = create_bitmap(kPictureW * gFactor, kPictureH * gFactor);
    if (!gScaled) gFactor = 1;  // shown unenlarged in the corner rather than not at all
  }
  if (!gPicture) gPicture = CreatePicture();
  if (!gPicture) return false;
  screen = gPicture;
  // The game and the library's dialogs see an 800 x 600 screen (SCREEN_W, centring);
  // the mouse still roams the whole real screen.
  gfx_driver->w = kPictureW;
  gfx_driver->h = kPictureH;
  set_mouse_range(0, 0, gReal->w - 1, gReal->h - 1);
  // The pointer is the system's, so it never lands in the picture.
  enable_hardware_cursor();
  UpdateMouseSprite();
  if (gFactor > 1) {
    // Without the system's pointer the library draws its own into the picture, where
    // the real mouse position does not fit: such a display shows the picture unenlarged.
    show_mouse(screen);
    const bool systemPointer = (gfx_capabilities & GFX_HW_CURSOR) != 0;
    show_mouse(nullptr);
    if (!systemPointer) {
      screen = gReal;
      return SetMode(fullscreen, false);
    }
  }
  return true;
}

}  // namespace

DisplayOpenResult OpenGameDisplay(bool fullscreen, int scaleSetting, bool smooth) {
  gScaleSetting = scaleSetting;
  gSmooth = smooth;
  gModeError[0] = '\0';
  if (get_desktop_resolution(&gDesktopW, &gDesktopH) != 0) gDesktopW = gDesktopH = 0;
  DisplayOpenResult result = kDisplayOpened;
  if (!SetMode(fullscreen)) {
    if (!fullscreen || !SetMode(false)) return kDisplayFailed;
    result = kDisplayWindowInstead;
  }
  gLibraryMouseX = gui_mouse_x;
  gLibraryMouseY = gui_mouse_y;
  gLibraryMouseB = gui_mouse_b;
  gui_mouse_x = GuiMouseX;
  gui_mouse_y = GuiMouseY;
  gui_mouse_b = GuiMouseB;
  keyboard_callback = WatchKeys;
  return result;
}

void CloseGameDisplay() {
  if (!gPicture) return;
  show_mouse(nullptr);
  set_mouse_sprite(nullptr);
  if (gScaledSprite) destroy_bitmap(gScaledSprite);
  gScaledSprite = nullptr;
  gSprite = nullptr;
  keyboard_callback = nullptr;
  if (gLibraryMouseX) {
    gui_mouse_x = gLibraryMouseX;
    gui_mouse_y = gLibraryMouseY;
    gui_mouse_b = gLibraryMouseB;
  }
  if (screen == gPicture) screen = gReal;
  if (gfx_driver && gReal) {
    gfx_driver->w = gReal->w;
    gfx_driver->h = gReal->h;
  }
  DestroyPicture(gPicture);
  gPicture = nullptr;
  if (gScaled) destroy_bitmap(gScaled);
  gScaled = nullptr;
  gFactor = 1;
}

BITMAP* RealScreen() { return gPicture ? gReal : nullptr; }
int DisplayScale() { return gPicture ? gFactor : 1; }
bool DisplayFullscreen() { return gPicture && gFullscreen; }
const char* DisplayModeError() { return gModeError; }
void SetDisplayReopenedHook(DisplayReopenedHook hook) { gReopened = hook; }

void SetPictureMouseSprite(BITMAP* sprite) {
  gSprite = sprite;
  if (gPicture)
    UpdateMouseSprite();
  else
    set_mouse_sprite(sprite);
}

int PictureMouseX() {
  if (!gPicture) return mouse_x;
  return PictureCoordinate(mouse_x, gFactor, 0, kPictureW);
}
int PictureMouseY() {
  if (!gPicture) return mouse_y;
  return PictureCoordinate(mouse_y, gFactor, 0, kPictureH);
}

namespace {
void PresentRows(int top, int end) {
  if (!gPicture || !gReal || top >= end) return;
  if (gFactor == 1 || !gScaled) {
    blit(gPicture, gReal, 0, top, 0, top, kPictureW, end - top);
    return;
  }
  if (gSmooth) {  // a row's blend reaches half a pixel into its neighbours
    top = std::max(top - 1, 0);
    end = std::min(end + 1, kPictureH);
  }
  ScaleRows(gPicture, gScaled, gFactor, top, end, gSmooth);
  blit(gScaled, gReal, 0, top * gFactor, 0, top * gFactor, gScaled->w, (end - top) * gFactor);
}
}  // namespace

void PresentWholePicture() {
  gDirtyTop = kPictureH;
  gDirtyEnd = 0;
  PresentRows(0, kPictureH);
}

void ServiceDisplay() {
  if (!gPicture) return;
  if (gToggleAsked) {
    gToggleAsked = 0;
    ToggleFullscreen();
  }
  const int top = gDirtyTop, end = gDirtyEnd;
  if (top >= end) return;
  gDirtyTop = kPictureH;
  gDirtyEnd = 0;
  PresentRows(top, end);
}

void SetDisplaySmoothing(bool smooth) {
  if (smooth == gSmooth) return;
  gSmooth = smooth;
  if (gPicture) PresentWholePicture();
}

void ToggleFullscreen() {
  if (!gPicture) return;
  const bool want = !gFullscreen;
  show_mouse(nullptr);
  screen = gReal;
  bool refused = false;
  if (!SetMode(want)) {
    refused = want;
    if (!SetMode(false) && !SetMode(true)) {
      // No mode at all: nothing left to draw on. The game cannot go on.
      screen = nullptr;
      allegro_message("Unable to set graphic mode\n%s\n", gModeError);
      exit(1);
    }
  }
  GameOptions.fullscreen = gFullscreen ? 1 : 0;
  show_mouse(screen);
  PresentWholePicture();
  if (gReopened) gReopened();
  if (refused) {
    PrintMessage(ColorTable[kColorDarkRed], "Full screen refused (%s): back to the window.",
                 gModeError);
    RefreshMessages();
  }
}
