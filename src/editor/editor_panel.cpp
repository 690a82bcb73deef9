#include "editor/editor_panel.h"

#include <allegro.h>

#include "core/colors.h"
#include "core/game_data.h"
#include "editor/editor_state.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "render/screen_layout.h"
#include "render/side_panel.h"
#include "ui/image_ops.h"
#include "ui/text.h"

namespace {

constexpr int kLabelX = 5, kBarX = 42;
constexpr int kTitleY = 5, kNameY = 22;
constexpr int kPreviewY = 40;
constexpr int kHintY = 215;

int Primary() { return MakeColorFromTriple(TextColor1); }
int Triple(int index) { return MakeColorFromTriple(ColorTable[index]); }

void FloorPanel(int floor) {
  DrawText(PanelBitmap, kFontDialog, kLabelX, kTitleY, HighlightColor, "Floor %d", floor);
  BITMAP* pic = FloorPicture(floor);
  if (!pic) return;
  const int depth = bitmap_color_depth(PanelBitmap);
  const int left = (kPanelBitmapW - 3 * 25) / 2;
  for (int r = 0; r < 3; r++)
    for (int c = 0; c < 3; c++) {
      const bool turned = (r % 2) == (c % 2) && floor != 3 && floor != 4;
      const int px = left + c * 25, py = kPreviewY + r * 25;
      for (int j = 0; j < 24; j++)
        for (int i = 0; i < 24; i++) {
          int sx = turned ? j : i, sy = turned ? 23 - i : j;
          int col = sx < pic->w && sy < pic->h ? PixelOf(pic, sx, sy, depth) : -1;
          if (col >= 0) putpixel(PanelBitmap, px + i, py + j, col);
        }
    }
}

void DoorPanel(int item) {
  DrawText(PanelBitmap, kFontDialog, kLabelX, kTitleY, HighlightColor, "Door %d", item);
  const int colors[4] = {makecol(180, 88, 48), makecol(252, 0, 0), makecol(48, 48, 252),
                         makecol(200, 200, 200)};
  for (int k = 0; k < 4; k++) {
    if (item == kDoorWest) {
      const int x = 30 + k * 16;
      rectfill(PanelBitmap, x, kPreviewY + 10, x + 2, kPreviewY + 60, colors[k]);
    } else {
      const int y = kPreviewY + 10 + k * 16;
      rectfill(PanelBitmap, 20, y, 90, y + 2, colors[k]);
    }
  }
  DrawText(PanelBitmap, kFontDialog, kLabelX, kHintY, Primary(), "RClick to flip");
}

void ObjectPanel(int item) {
  if (item < 0 || item > PrefabCount || item >= kMaxObjects) return;
  const ObjectRecord& o = PrefabTable[item];
  if (item == kCustomObjectItem)
    DrawText(PanelBitmap, kFontDialog, kLabelX, kTitleY, HighlightColor, "Obj. 0  (Custom)");
  else {
    // Two texts from the same corner: the spaces carry the second past the number.
    DrawText(PanelBitmap, kFontDialog, kLabelX, kTitleY, HighlightColor, "Obj. %d", item);
    DrawText(PanelBitmap, kFontDialog, kLabelX, kTitleY, HighlightColor, "             (Prefab)");
  }
  DrawText(PanelBitmap, kFontDialog, kLabelX, kNameY, Primary(), "%s", o.name);

  // The picture as the board draws it: the record is put in a spare slot for the
  // drawing and taken out again.
  static ObjectRecord keep;
  constexpr int kSpare = kMaxObjects - 1;
  keep = ObjectTable[kSpare];
  ObjectTable[kSpare] = o;
  int w = 0, h = 0;
  const bool drawn = RenderObjectSprite(kSpare, WorkBitmap96, &w, &h);
  ObjectTable[kSpare] = keep;
  if (drawn) {
    const int areaY = kPreviewY, areaH = 70;
    int x = (kPanelBitmapW - w) / 2, y = areaY + (areaH - h) / 2;
    if (x < 0) x = 0;
    if (y < areaY) y = areaY;
    set_clip_rect(PanelBitmap, 0, areaY, kPanelBitmapW - 1, areaY + areaH - 1);
    if (o.picture[kPicShadow] > 0) {
      UseDarkenBlender(0.15f);
      draw_trans_sprite(PanelBitmap, WorkBitmap96, x + o.picture[kPicShadow],
                        y + o.picture[kPicShadow]);
      solid_mode();
    }
    masked_blit(WorkBitmap96, PanelBitmap, 0, 0, x, y, w, h);
    set_clip_rect(PanelBitmap, 0, 0, PanelBitmap->w - 1, PanelBitmap->h - 1);
  }

  static const char* const kLabels[5] = {"Walk", "Off", "Def", "Life", "Mind"};
  const int8_t* a = o.attribute;
  const int colors[5] = {Primary(), a[kOff] < 0 ? Triple(kColorDarkBlue) : HighlightColor,
                         Primary(), Triple(kColorDarkRed), Triple(kColorDarkBlue)};
  for (int i = 0; i < 5; i++) {
    const int y = 119 + 14 * i;
    DrawText(PanelBitmap, kFontDialog, kLabelX, y, Primary(), "%s", kLabels[i]);
    DrawPair(kBarX, y, a[2 * i], a[2 * i + 1], colors[i]);
  }
  DrawText(PanelBitmap, kFontDialog, kLabelX, 189, Primary(), "Scrpt %d",
           static_cast<int>(o.scriptvar[kScriptType]));
  DrawText(PanelBitmap, kFontDialog, kLabelX, kHintY, Primary(), "RClick to flip");
}

void EraserPanel() {
  DrawText(PanelBitmap, kFontDialog, kLabelX, kTitleY, HighlightColor, "Object Eraser");
  BITMAP* pic = DataBitmap(kDataDiceSkull);
  if (pic) masked_blit(pic, PanelBitmap, 0, 0, (kPanelBitmapW - pic->w) / 2, kPreviewY, pic->w,
                       pic->h);
}

}  // namespace

void DrawEditorPanel() {
  if (!PanelBitmap) return;
  clear_to_color(PanelBitmap, BaseColor);
  switch (EditorTool) {
    case kToolFloor: FloorPanel(EditorItem); break;
    case kToolDoor: DoorPanel(EditorItem); break;
    case kToolObject: ObjectPanel(EditorItem); break;
    case kToolEraser: EraserPanel(); break;
    default: break;
  }
  DrawScreen(0, 0, 0, 1);
}
