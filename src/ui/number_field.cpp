#include "ui/number_field.h"

#include <algorithm>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "core/platform.h"
#include "ui/bevel_box.h"
#include "ui/text.h"

namespace {

bool CountsInTens(const DIALOG* d) { return d->d1 >= 100; }
bool Horizontal(const DIALOG* d) { return d->w > d->h; }

int KnobSize(const DIALOG* d) {
  const BITMAP* pic = static_cast<const BITMAP*>(d->dp);
  if (!pic) return 7;
  return Horizontal(d) ? pic->w : pic->h;
}

// Where the slider starts and how long it is, along the field's direction.
int SliderStart(const DIALOG* d) {
  if (!Horizontal(d)) return d->y;
  return d->x + (CountsInTens(d) ? 27 : 20);
}
int SliderLength(const DIALOG* d) {
  if (!Horizontal(d)) return d->h;
  return d->w - (CountsInTens(d) ? 27 : 20);
}

// Room the knob travels in, in pixels.
int Travel(const DIALOG* d) { return std::max(SliderLength(d) - 3 - KnobSize(d), 0); }

// The knob's offset along the slider for a value, to the nearest pixel.
int KnobOffset(const DIALOG* d, int value) {
  int largest = NumberFieldLargest(d);
  if (largest <= 0) return 0;
  value = std::clamp(value, 0, largest);
  fixed share = fixdiv(itofix(value), itofix(largest));
  return fixtoi(fixmul(itofix(Travel(d)), share));
}

// Stores a new value: plays its sound when the field previews sounds, calls the
// callback and redraws. Returns the callback's flags.
int ChangeValue(DIALOG* d, int value) {
  value = std::clamp(value, 0, std::max(NumberFieldLargest(d), 0));
  if (value == d->d2) return D_O_K;
  d->d2 = value;
  if (d->flags & kNumberFieldSoundPreview) {
    int vol = std::clamp(GameOptions.volume * 25, 0, 255);
    Sys().PlaySample(EffectSample(value), vol, 128, 1000, 0);
  }
  int flags = D_O_K;
  if (d->dp2) flags = reinterpret_cast<NumberFieldCallback>(d->dp2)(d->dp3, value);
  object_message(d, MSG_DRAW, 0);
  return flags;
}

void DrawKnob(BITMAP* bmp, DIALOG* d, int x1, int y1, int x2, int y2) {
  BITMAP* pic = static_cast<BITMAP*>(d->dp);
  if (pic) {
    if (Horizontal(d))
      draw_sprite(bmp, pic, x1, d->y + d->h / 2 - pic->h / 2);
    else
      draw_sprite(bmp, pic, d->x + d->w / 2 - pic->w / 2, y1);
    return;
  }
  DrawBevelBox(bmp, x1, y1, x2, y2, d->bg, 7);
  if (d->flags & D_GOTFOCUS) rectfill(bmp, x1 + 2, y1 + 2, x2 - 2, y2 - 2, HighlightColor);
}

void DrawField(DIALOG* d) {
  BITMAP* bmp = gui_get_screen();
  int x2 = d->x + d->w - 1, y2 = d->y + d->h - 1;
  bool disabled = d->flags & D_DISABLED;
  int knob = KnobSize(d);
  int offset = KnobOffset(d, d->d2);

  if (!Horizontal(d)) {
    DrawBevelBox(bmp, d->x, d->y, x2, y2, BaseColor, 2);
    // Upright: the value grows upwards.
    int top = y2 - 1 - offset - (knob - 1);
    if (!disabled) DrawKnob(bmp, d, d->x + 2, top, x2 - 2, top + knob - 1);
    return;
  }

  rectfill(bmp, d->x, d->y, x2, y2, BaseColor);
  DrawBevelBox(bmp, d->x, d->y, x2, y2, BaseColor, 8);
  int start = SliderStart(d);
  int mid = d->y + d->h / 2;
  rectfill(bmp, start, mid - 1, x2 - 2, mid, gui_mg_color);

  int shown = NumberFieldShown(d);
  int digits = shown < 10 && shown > -10 ? 1 : shown < 100 && shown > -100 ? 2 : 3;
  int indent = digits == 1 ? 14 : digits == 2 ? 7 : 0;
  int nx = d->x - 3 + indent + (CountsInTens(d) ? 7 : 0);
  int ny = d->y - 2 + d->h / 4;
  DrawText(bmp, kFontSmall, nx, ny, disabled ? gui_mg_color : d->fg, "%d", shown);

  if (!disabled) {
    int left = start + 1 + offset;
    DrawKnob(bmp, d, left, d->y + 2, left + knob - 1, y2 - 2);
  }
}

// The value under the pointer: its position less half the knob, scaled back.
int ValueAtPointer(const DIALOG* d) {
  int largest = NumberFieldLargest(d);
  int travel = Travel(d);
  if (largest <= 0 || travel <= 0) return 0;
  int pos;
  if (Horizontal(d))
    pos = gui_mouse_x() - KnobSize(d) / 2 - (SliderStart(d) + 1);
  else
    pos = (d->y + d->h - 2) - gui_mouse_y() - KnobSize(d) / 2;
  int value = (pos * largest + travel / 2) / travel;
  if (pos < 0) value = 0;
  return std::clamp(value, 0, largest);
}

int HandleClick(DIALOG* d) {
  int flags = ChangeValue(d, ValueAtPointer(d));
  while (gui_mouse_b()) {
    flags |= ChangeValue(d, ValueAtPointer(d));
    broadcast_dialog_message(MSG_IDLE, 0);
    Sys().Wait(1);
  }
  return flags;
}

int HandleKey(DIALOG* d, int c) {
  int largest = NumberFieldLargest(d);
  bool h = Horizontal(d);
  int page = std::max(d->d1 / 16, 1);
  int step = 0, target = -1;
  switch (c >> 8) {
    case KEY_RIGHT:
      if (!h) return D_O_K;
      step = 1;
      break;
    case KEY_UP:
      if (h) return D_O_K;
      step = 1;
      break;
    case KEY_LEFT:
      if (!h) return D_O_K;
      step = -1;
      break;
    case KEY_DOWN:
      if (h) return D_O_K;
      step = -1;
      break;
    case KEY_PGDN:
      step = h ? page : -page;
      break;
    case KEY_PGUP:
      step = h ? -page : page;
      break;
    case KEY_HOME:
      target = h ? 0 : largest;
      break;
    case KEY_END:
      target = h ? largest : 0;
      break;
    default:
      return D_O_K;
  }
  if (step != 0) {
    // Repeat the step until the knob moves at least a pixel, or an end is reached.
    int from = KnobOffset(d, d->d2);
    target = d->d2;
    do {
      target += step;
    } while (target > 0 && target < largest && KnobOffset(d, target) == from);
  }
  return D_USED_CHAR | ChangeValue(d, target);
}

}  // namespace

int NumberFieldLargest(const DIALOG* d) { return CountsInTens(d) ? d->d1 / 10 : d->d1; }

int NumberFieldShown(const DIALOG* d) { return CountsInTens(d) ? d->d2 * 10 : d->d2; }

int NumberFieldProc(int msg, DIALOG* d, int c) {
  switch (msg) {
    case MSG_DRAW:
      DrawField(d);
      return D_O_K;
    case MSG_CLICK:
      return HandleClick(d);
    case MSG_CHAR:
      return HandleKey(d, c);
    case MSG_WHEEL:
      return ChangeValue(d, d->d2 + c);
    case MSG_KEY:
      return (d->flags & D_GOTFOCUS) ? D_O_K : D_WANTFOCUS;
    case MSG_WANTFOCUS:
    case MSG_LOSTFOCUS:
      return D_WANTFOCUS;
  }
  return D_O_K;
}
