#include "render/side_panel.h"

#include <cstdio>
#include <cstdlib>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "render/screen_layout.h"
#include "ui/bevel_box.h"
#include "ui/image_ops.h"
#include "ui/text.h"

int PanelObject = 0;

namespace {

// Layout of the panel.
constexpr int kLabelX = 5, kBarX = 42;
constexpr int kNameY = 5, kPortraitX = 15, kPortraitY = 25, kPortraitSize = 80;
constexpr int kWalkY = 119, kOffY = 133, kDefY = 147, kLifeY = 161, kMindY = 175;
constexpr int kExpY = 189, kGoldY = 203, kKeysY = 217;

int Faint() { return MakeColorFromTriple(TextColor3); }
int Primary() { return MakeColorFromTriple(TextColor1); }
int DarkRed() { return MakeColorFromTriple(ColorTable[kColorDarkRed]); }
int DarkBlue() { return MakeColorFromTriple(ColorTable[kColorDarkBlue]); }

// A copy of a sprite whose transparent parts take the panel's colour, so that the
// smooth scaler blends the figure's outline into the panel instead of into pink.
BITMAP* OnPanelColour(BITMAP* spr) {
  static BITMAP* copy = nullptr;
  int depth = bitmap_color_depth(PanelBitmap);
  if (copy && (copy->w != spr->w || copy->h != spr->h || bitmap_color_depth(copy) != depth)) {
    destroy_bitmap(copy);
    copy = nullptr;
  }
  if (!copy) copy = create_bitmap_ex(depth, spr->w, spr->h);
  if (!copy) return nullptr;
  for (int y = 0; y < spr->h; y++)
    for (int x = 0; x < spr->w; x++) {
      int c = PixelOf(spr, x, y, depth);
      putpixel(copy, x, y, c < 0 ? BaseColor : c);
    }
  return copy;
}

void DrawPortrait(int slot) {
  const ObjectRecord& o = ObjectTable[slot];
  if (o.picture[kPicNumber] <= 0) return;
  BITMAP* spr = ObjectPicture(o.picture[kPicNumber]);
  if (!spr) return;
  if (spr->w == 20) {
    // A single-tile figure is shown four times its size.
    BITMAP* figure = OnPanelColour(spr);
    if (!figure) return;
    if (o.picture[kPicOrientation] == 1)
      StretchSmoothMirrored(figure, PanelBitmap, kPortraitX, kPortraitY, kPortraitSize,
                            kPortraitSize);
    else
      StretchSmooth(figure, PanelBitmap, kPortraitX, kPortraitY, kPortraitSize, kPortraitSize);
    return;
  }
  // Anything else at its own size, centred in the portrait area, with its shadow.
  int w = 0, h = 0;
  if (!RenderObjectSprite(slot, WorkBitmap96, &w, &h)) return;
  int areaX = kLabelX, areaW = kPanelBitmapW - 2 * kLabelX;
  int areaY = kPortraitY, areaH = kWalkY - 4 - kPortraitY;
  int x = areaX + (areaW - w) / 2, y = areaY + (areaH - h) / 2;
  if (x < areaX) x = areaX;
  if (y < areaY) y = areaY;
  set_clip_rect(PanelBitmap, areaX, areaY, areaX + areaW - 1, areaY + areaH - 1);
  int shadow = o.picture[kPicShadow];
  if (shadow > 0) {
    UseDarkenBlender(0.15f);
    draw_trans_sprite(PanelBitmap, WorkBitmap96, x + shadow, y + shadow);
    solid_mode();
  }
  masked_blit(WorkBitmap96, PanelBitmap, 0, 0, x, y, w, h);
  set_clip_rect(PanelBitmap, 0, 0, PanelBitmap->w - 1, PanelBitmap->h - 1);
}

}  // namespace

void DrawBar(int x, int y, int value, int color, int shortBar) {
  if (!PanelBitmap) return;
  int n = std::abs(value);
  if (n < 1) {
    rectfill(PanelBitmap, x, y + 5, x + 4, y + 6, color);
    return;
  }
  if (n > kMaxBarSegments) n = kMaxBarSegments;
  int top = shortBar ? y + 3 : y;
  for (int i = 0; i < n; i++) {
    int sx = x + BarSegmentX(i);
    rectfill(PanelBitmap, sx, top, sx + 1, y + 9, color);
  }
}

void DrawPair(int x, int y, int base, int current, int color) {
  // Magical offence is negative: the bar shows its strength.
  int b = std::abs(base), c = std::abs(current);
  if (c > b) {
    DrawBar(x, y, b, color, 0);
    DrawBar(x, y, c, color, 1);
  } else if (c < b) {
    DrawBar(x, y, b, Faint(), 0);
    DrawBar(x, y, c, color, 0);
  } else {
    DrawBar(x, y, c, color, 0);
  }
}

void ShowWalk() {
  int cur = QuestHeader.savdata.CurrentObject;
  if (!PanelBitmap || cur < 1 || cur > ObjectCount || cur >= kMaxObjects) return;
  const ObjectRecord& o = ObjectTable[cur];
  rectfill(PanelBitmap, kBarX, kWalkY, 102, kWalkY + 9, BaseColor);
  int color = QuestHeader.savdata.ActionState >= 1 ? Primary() : HighlightColor;
  int left = QuestHeader.savdata.WalkLeft;
  if (GameOptions.fixedwalk) {
    int base = o.attribute[kWalkBase];
    DrawBar(kBarX, kWalkY, base, Faint(), 0);
    DrawBar(kBarX, kWalkY, o.attribute[kWalk], Faint(), 1);
    if (left > base) {
      DrawBar(kBarX, kWalkY, left, color, 1);
      DrawBar(kBarX, kWalkY, base, color, 0);
    } else {
      DrawBar(kBarX, kWalkY, left, color, 0);
    }
  } else {
    DrawBar(kBarX, kWalkY, left, color, 0);
  }
}

void ShowPanel(int object) {
  PanelObject = object;
  if (!PanelBitmap) return;
  clear_to_color(PanelBitmap, BaseColor);
  if (object < 1 || object >= kMaxObjects) {
    DrawScreen(0, 0, 0, 1);
    return;
  }
  const ObjectRecord& o = ObjectTable[object];
  DrawText(PanelBitmap, kFontDialog, kLabelX, kNameY, HighlightColor, "%s", o.name);
  static const char* const kLabels[8] = {"Walk", "Off", "Def", "Life",
                                         "Mind", "Exp", "Gold", "Keys"};
  static const int kRows[8] = {kWalkY, kOffY, kDefY, kLifeY, kMindY, kExpY, kGoldY, kKeysY};
  for (int i = 0; i < 8; i++)
    DrawText(PanelBitmap, kFontDialog, kLabelX, kRows[i], Primary(), "%s", kLabels[i]);

  const int8_t* a = o.attribute;
  DrawPair(kBarX, kWalkY, a[kWalkBase], a[kWalk], Primary());
  DrawPair(kBarX, kOffY, a[kOffBase], a[kOff], a[kOff] < 0 ? DarkBlue() : DarkRed());
  DrawPair(kBarX, kDefY, a[kDefBase], a[kDef], Primary());
  if (GameOptions.enemy1life && IsUsualEnemyName(o.name) && o.exp < 50)
    DrawPair(kBarX, kLifeY, 1, 1, DarkRed());
  else
    DrawPair(kBarX, kLifeY, a[kLifeMax], a[kLife], DarkRed());
  DrawPair(kBarX, kMindY, a[kMindMax], a[kMind], DarkBlue());
  // The object whose turn it is, hero or monster, shows its walk points left.
  if (object == QuestHeader.savdata.CurrentObject) ShowWalk();

  DrawText(PanelBitmap, kFontDialog, kBarX, kExpY, Primary(), "%d", static_cast<int>(o.exp));
  DrawText(PanelBitmap, kFontDialog, kBarX, kGoldY, Primary(), "%d",
           static_cast<int>(o.inventory[kInvGold]));
  DrawBar(kBarX, kKeysY, 2, o.inventory[kInvBlueKeys] > 0 ? DarkBlue() : Faint(), 0);
  DrawBar(kBarX + 12, kKeysY, 1, o.inventory[kInvRedKeys] > 0 ? DarkRed() : Faint(), 1);

  int badge = BadgeColor(o.exp);
  if (o.side < kSideStatic && badge >= 0) {
    char text[16];
    snprintf(text, sizeof text, "%d", static_cast<int>(o.exp));
    int bx = 46 + TextWidth(kFontDialog, text);
    DrawBevelBox(PanelBitmap, bx, 193, bx + 3, 197, badge, 1);
  }
  DrawPortrait(object);
  DrawScreen(0, 0, 0, 1);
}
