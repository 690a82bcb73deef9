#include "rules/treasure.h"

#include <allegro.h>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "core/random.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "render/screen_layout.h"
#include "rules/combat.h"
#include "rules/movement.h"
#include "rules/object_actions.h"
#include "rules/play_state.h"
#include "rules/sound_effects.h"

namespace {

bool OnBoard(int x, int y) { return x >= 0 && x < kBoardW && y >= 0 && y < kBoardH; }

void Say(const char* text) { PrintMessage(ColorTable[kColorDarkRed], "%s", text); }

// The explosion over the searched tile, the searcher flashing.
void ShowExplosion(int x, int y, int tx, int ty) {
  if (!BoardBitmap) return;
  int px = tx * kTileSize + 1, py = ty * kTileSize + 1;
  const int pictures[2] = {kDataSearchPicture1, kDataSearchPicture2};
  const int pauses[2] = {40, 30};
  for (int i = 0; i < 2; i++) {
    BITMAP* pic = DataBitmap(pictures[i]);
    if (pic && bitmap_color_depth(pic) == bitmap_color_depth(BoardBitmap))
      draw_sprite(BoardBitmap, pic, px + (kTileSize - 1 - pic->w) / 2,
                  py + (kTileSize - 1 - pic->h) / 2);
    DrawScreen(0, 1, 0, 0);
    Sys().Wait(pauses[i]);
  }
  if (OnBoard(x, y) && ObjectMap[x][y]) DrawObject(x, y, 3);
  rect(BoardBitmap, px - 1, py - 1, px + kTileSize - 1, py + kTileSize - 1,
       MakeColorFromTriple(ColorTable[kColorBoardBackground]));
  DrawScreen(0, 1, 0, 0);
  Sys().Wait(20);
  RedrawAround(tx, ty);
  if (OnBoard(x, y) && ObjectMap[x][y])
    DrawObject(x, y, ObjectMap[x][y] == CurrentObject ? 1 : 0);
  DrawScreen(0, 1, 0, 0);
}

}  // namespace

TreasureOutcome TreasureOutcomeOf(int d) {
  if (d <= 2) return kTreasurePotion;
  if (d == 3) return kTreasureGemstones;
  if (d <= 11) return kTreasurePouch;
  if (d == 12) return kTreasureSword;
  if (d == 13) return kTreasureShield;
  if (d == 14) return kTreasureElixir;
  if (d <= 16) return kTreasureGarbage;
  if (d <= 20) return kTreasureTrapBomb;
  return kTreasureWanderer;
}

TreasureOutcome SearchTreasure(int x, int y, int tx, int ty, int fromScript) {
  int d = RandomMod(25) + 1;
  TreasureOutcome outcome = TreasureOutcomeOf(d);
  int a = OnBoard(x, y) ? ObjectMap[x][y] : 0;
  if (a <= 0) return outcome;
  ObjectRecord& A = ObjectTable[a];
  switch (outcome) {
    case kTreasurePotion:
      Say("You search the debris and find a small potion, giving you 3 life!");
      AddToAttribute(a, kLife, 3);
      PlayEffect(13);
      break;
    case kTreasureGemstones:
      Say("Your eye falls on a small chest, when you open it you are amazed by its contents:");
      Say("it is full of beautiful gemstones, together easily worth 100 gold!");
      A.inventory[kInvGold] += 100;
      PlayEffect(13);
      break;
    case kTreasurePouch: {
      int n = RandomMod(9) * 5 + 10;
      PrintMessage(ColorTable[kColorDarkRed],
                   "Taking a closer look you discover a small pouch containing %d gold coins!", n);
      A.inventory[kInvGold] += n;
      PlayEffect(13);
      break;
    }
    case kTreasureSword:
      Say("A blade shines between the rubble, and not just an ordinary orcish blade:");
      Say("using this sword will certainly increase any fighters striking power!");
      if (A.attribute[kOff] > 0) AddToAttribute(a, kOff, 1);
      PlayEffect(13);
      break;
    case kTreasureShield:
      Say("Behind the crate someone has hidden a shield. It is of suprising quality:");
      Say("Your defensive power increases one unit!");
      AddToAttribute(a, kDef, 1);
      PlayEffect(13);
      break;
    case kTreasureElixir:
      Say("Between the rubbish you find an interesting flask. It seems to contain");
      Say("an elixer that increases swiftness, giving you an extra walk unit!");
      AddToAttribute(a, kWalk, 1);
      PlayEffect(13);
      break;
    case kTreasureGarbage:
      Say("Maybe you hoped to find something useful, but there is only garbage inside the "
          "crate..");
      PlayEffect(1);
      break;
    case kTreasureTrapBomb: TrapBomb(x, y, tx, ty, fromScript); break;
    case kTreasureWanderer: WanderingMonster(x, y); break;
  }
  RefreshMessages();
  return outcome;
}

void TrapBomb(int x, int y, int tx, int ty, int fromScript) {
  int a = OnBoard(x, y) ? ObjectMap[x][y] : 0;
  if (a <= 0 || !OnBoard(tx, ty)) return;
  PlayEffect(16);
  int t = fromScript == 1 ? ScriptMap[tx][ty] : ObjectMap[tx][ty];
  if (t > 0 && t != a) {
    if (PrefabUsable(kTrapBombPrefab)) {
      ObjectTable[t] = PrefabTable[kTrapBombPrefab];
      ObjectTable[t].picture[kPicOrientation] = RandomMod(2) * 2;
    } else {
      PrintMessage(ColorTable[kColorDarkRed], "Script error: no prefab %d.", kTrapBombPrefab);
    }
  }
  ShowExplosion(x, y, tx, ty);
  AddToAttribute(a, kLife, -1);
  Say("You accidently activate a trap bomb, life decreases one unit.");
  RefreshMessages();
  // The spent bomb finishes off a searcher without life; a bomb on a script tile is not
  // on the board to act, and the searcher's death is left to the script's end.
  if (ObjectTable[a].attribute[kLife] < 1 && fromScript != 1 && t > 0 && t != a)
    ActOnObject(tx, ty, x, y, 0);
}

int WanderingMonster(int x, int y) {
  if (!OnBoard(x, y) || ObjectMap[x][y] == 0) return 0;
  // The last free neighbour in the order right, left, down, up. Only an open door lets
  // the monster in: looking for its tile must not unlock or find doors.
  static const int kNext[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  int fx = -1, fy = -1;
  for (const auto& d : kNext)
    if (StepBlocked(x, y, x + d[0], y + d[1], 1, 1, 2, 1) == 0) {
      fx = x + d[0];
      fy = y + d[1];
    }
  if (fx < 0) return 0;
  int slot = 0;
  for (int s = 1; s < kMaxObjects && !slot; s++)
    if (IsFreeSlot(ObjectTable[s])) slot = s;
  if (!slot) {
    PrintMessage(TextColor2, "Error inserting monster, maximum reached (255).");
    RefreshMessages();
    return 0;
  }
  int p = QuestHeader.qstdata[kQuestWandering];
  if (p < 1) p = kDefaultWanderingPrefab;
  // A prefab slot that is empty would put a free slot on the board; one without life
  // could not stand there.
  if (!PrefabUsable(p) || PrefabTable[p].attribute[kLife] < 1) {
    PrintMessage(TextColor2, "Error inserting monster, no monster in prefab %d.", p);
    RefreshMessages();
    return 0;
  }
  PrintMessage(ColorTable[kColorDarkRed],
               "While searching for treasures a wandering monster takes you by suprise..");
  RefreshMessages();
  ObjectTable[slot] = PrefabTable[p];
  if (slot > ObjectCount) ObjectCount = slot;
  ObjectMap[fx][fy] = static_cast<uint8_t>(slot);
  DrawObject(fx, fy, 0);
  DrawScreen(0, 1, 0, 0);
  PlayEffect(8);
  Sys().Wait(140);
  ActOnObject(fx, fy, x, y, 0);
  return slot;
}
