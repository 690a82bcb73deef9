#include "rules/hero_turn.h"

#include "core/game_options.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "core/redraw_request.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "render/screen_buttons.h"
#include "render/screen_layout.h"
#include "render/side_panel.h"
#include "rules/combat.h"
#include "rules/doors.h"
#include "rules/game_menu.h"
#include "rules/line_of_sight.h"
#include "rules/movement.h"
#include "rules/object_actions.h"
#include "rules/play_hooks.h"
#include "rules/play_loop.h"
#include "rules/play_state.h"
#include "rules/quest_end.h"
#include "rules/sound_effects.h"

namespace {

// Effects of the hero turn.
constexpr int kEffectSelect = 1;
constexpr int kEffectEndTurn = 4;
constexpr int kEffectStep = 6;

constexpr int kButtonMenu = 0, kButtonZoom = 1, kButtonOpen = 2, kButtonSkip = 3;

// What one pass of the turn asked for, besides what it did at once.
struct TurnRequests {
  bool gameMenu = false;
  bool openDoor = false;
};

int HeroX() { return HeroPositionX; }
int HeroY() { return HeroPositionY; }

// The anchor of the object covering (x, y), or false when nothing covers it.
bool AnchorOf(int x, int y, int* ax, int* ay) {
  if (x < 0 || x >= kBoardW || y < 0 || y >= kBoardH) return false;
  return ObjectAt(x, y, ax, ay) && ObjectMap[*ax][*ay] > 0;
}

// The object chosen as the target (0 when the target tile holds none).
int TargetSlot() {
  int ax, ay;
  return AnchorOf(ActionTargetX, ActionTargetY, &ax, &ay) ? ObjectMap[ax][ay] : 0;
}

void DrawTarget(int mode) {
  int ax, ay;
  if (AnchorOf(ActionTargetX, ActionTargetY, &ax, &ay)) DrawObject(ax, ay, mode);
}

void HighlightHero() { DrawObject(HeroX(), HeroY(), 1); }

void ShowHeroPanel() { ShowPanel(CurrentObject); }

// Right button on a piece: shows it in the panel while the button is held.
void InspectObject(int tx, int ty) {
  int ax, ay;
  if (!AnchorOf(tx, ty, &ax, &ay) || VisibilityMap[tx][ty] == 0) return;
  int slot = ObjectMap[ax][ay];
  if (ObjectTable[slot].side >= kSideStatic || slot == PanelObject) return;
  int before = PanelObject;
  PlayEffect(kEffectSelect);
  DrawObject(ax, ay, 2);
  ShowPanel(slot);
  if (slot == CurrentObject) ShowWalk();
  DrawScreen(0, 1, 0, 1);
  while ((Sys().MouseButtons() & 2) && ExitRequest < 2) {
    Ambience(HeroX(), HeroY(), kAmbienceUpdate);
    RedrawIfRequested();
    Sys().Wait(10);
  }
  DrawObject(ax, ay, slot == CurrentObject ? 1 : 0);
  ShowPanel(before);
  DrawScreen(0, 1, 0, 1);
}

// Cancels the target choice, or ends the turn.
void CancelOrEndTurn() {
  if (ActionState == kActionChoosingTarget) {
    ActionState = kActionCancelled;
    Sys().Wait(120);
  } else {
    WalkLeft = 0;
    ActionState = kActionActed;
    PlayEffect(kEffectEndTurn);
    Sys().Wait(40);
  }
}

// Makes the object on (tx, ty) the target when the hero may act on it.
bool ChooseTarget(int tx, int ty) {
  if (CanActOn(HeroX(), HeroY(), tx, ty, 1, 1) != 0) return false;
  ActionTargetX = tx;
  ActionTargetY = ty;
  return true;
}

bool SameObject(int x1, int y1, int x2, int y2) {
  int a1x, a1y, a2x, a2y;
  return AnchorOf(x1, y1, &a1x, &a1y) && AnchorOf(x2, y2, &a2x, &a2y) && a1x == a2x &&
         a1y == a2y;
}

void PerformAction() {
  ActOnObject(HeroX(), HeroY(), ActionTargetX, ActionTargetY, 0);
}

void LeftClick(int tx, int ty) {
  if (tx == HeroX() && ty == HeroY()) return;
  if (FindHeroPath(tx, ty)) {
    if (ActionState == kActionChoosingTarget)
      ActionState = kActionCancelled;
    else
      HeroPathStep();
    return;
  }
  int ax, ay;
  if (!AnchorOf(tx, ty, &ax, &ay)) return;
  if (ActionState == kActionMoving) {
    if (ChooseTarget(tx, ty)) ActionState = kActionTargetClicked;
  } else if (ActionState == kActionChoosingTarget) {
    if (SameObject(tx, ty, ActionTargetX, ActionTargetY))
      PerformAction();
    else
      ChooseTarget(tx, ty);
  }
}

void ArrowKey(int dx, int dy) {
  if (ActionState < kActionRequested) {
    HeroKeyStep(dx, dy);
  } else if (ActionState == kActionChoosingTarget) {
    if (!ChooseTarget(HeroX() + dx, HeroY() + dy)) ActionState = kActionCancelled;
  }
}

void SaveScreenshot() {
  PrintMessage(TextColor2, "Saved screen image to scrdump1.pcx.");
  BITMAP* shot = screen ? create_bitmap(SCREEN_W, SCREEN_H) : nullptr;
  if (shot) {
    blit(screen, shot, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
    PALETTE pal;
    get_palette(pal);
    save_pcx("scrdump1.pcx", shot, pal);
    destroy_bitmap(shot);
  }
  RefreshMessages();
}

void BoostHero() {
  ObjectRecord& h = ObjectTable[CurrentObject];
  h.attribute[kOff] = 4;
  h.attribute[kLife] = 12;
  h.attribute[kWalk] = 12;
  if (h.exp < 1000) h.exp += 50;
  if (h.inventory[kInvGold] < 1000) h.inventory[kInvGold] += 15;
  WalkLeft = 12;
  if (ActionState == kActionActed) ActionState = kActionMoving;
  PrintMessage(ColorTable[kColorGreen], "Cheat: Boosting current hero.");
  ShowHeroPanel();
  DrawScreen(0, 0, 1, 1);
  Sys().Wait(100);
}

bool BoostKeysHeld() {
  for (int k : kBoostKeys)
    if (!Sys().KeyDown(k)) return false;
  return true;
}

void HandleKey(int code, TurnRequests* req) {
  int ascii = code & 0xFF, scan = code >> 8;
  bool alt = (Sys().KeyShifts() & KB_ALT_FLAG) != 0;
  if (ascii == '=') {
    ViewMode = 2;
    DrawScreen(0, 1, 0, 0);
  } else if (ascii == '-') {
    ViewMode = 1;
    DrawScreen(0, 1, 0, 0);
  } else if (scan == KEY_F12) {
    SaveScreenshot();
  } else if (scan == KEY_ESC) {
    req->gameMenu = true;
  } else if (alt && (scan == KEY_TILDE || scan == KEY_1 || scan == KEY_2)) {
    // Revealed on the board picture (which draws every piece plain), and shown at once
    // with the hero's highlight.
    RevealBoard(scan == KEY_TILDE ? kRevealRedraw : scan == KEY_1 ? kRevealReachable : kRevealAll);
    HighlightHero();
    DrawScreen(0, 1, 0, 0);
  } else if (BoostKeysHeld()) {
    BoostHero();
  } else if (ascii == 'o' || ascii == 'O') {
    req->openDoor = true;
  } else if (scan == KEY_BACKSPACE) {
    CancelOrEndTurn();
    Sys().ClearKeys();
  } else if (scan == KEY_ENTER || scan == KEY_ENTER_PAD) {
    if (ActionState == kActionMoving)
      ActionState = kActionRequested;
    else if (ActionState == kActionChoosingTarget)
      PerformAction();
  } else if (ascii == 'b' || ascii == 'B') {
    if (PlayHook.showBriefing) PlayHook.showBriefing();
  } else if (scan == KEY_LEFT) {
    ArrowKey(-1, 0);
  } else if (scan == KEY_RIGHT) {
    ArrowKey(1, 0);
  } else if (scan == KEY_UP) {
    ArrowKey(0, -1);
  } else if (scan == KEY_DOWN) {
    ArrowKey(0, 1);
  }
}

// A game was loaded from the game menu: carry on with the object whose turn it was.
void ContinueReloadedGame() {
  ReloadedFlag = 0;
  int x, y;
  if (!FindObjectTile(CurrentObject, &x, &y) || ObjectTable[CurrentObject].side != kSideHero) {
    // The saved turn was not a hero's on the board: this turn is over.
    WalkLeft = 0;
    ActionState = kActionActed;
    return;
  }
  HeroPositionX = x;
  HeroPositionY = y;
  if (ActionState > 0) ActionState = kActionMoving;
  HighlightHero();
  ShowHeroPanel();
  if (QuestHeader.author[0] != ' ')
    PrintMessage(ColorTable[kColorDarkRed], "You are now playing %s by %s.", QuestHeader.quest,
                 QuestHeader.author);
  DrawScreen(1, 1, 1, 1);
}

// Looks for a target next to the hero: attackable pieces first, then usable objects.
bool FindTargetNextToHero() {
  static const int kOrder[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
  for (int allowUse = 0; allowUse <= 1; allowUse++)
    for (const auto& d : kOrder) {
      int tx = HeroX() + d[0], ty = HeroY() + d[1];
      if (CanActOn(HeroX(), HeroY(), tx, ty, 1, allowUse) == 0) {
        ActionTargetX = tx;
        ActionTargetY = ty;
        return true;
      }
    }
  return false;
}

void OfferAction() {
  bool found = ActionState == kActionTargetClicked || FindTargetNextToHero();
  if (!found) {
    ActionState = kActionMoving;
    PrintMessage(TextColor2, "Nothing to use or attack.");
  } else {
    PlayEffect(kEffectSelect);
    DrawTarget(2);
    ShowPanel(TargetSlot());
    PrintMessage(TextColor2, "Choose your target.");
    ActionState = kActionChoosingTarget;
  }
  HighlightHero();
  DrawScreen(0, 1, 1, 1);
  Sys().Wait(120);
  Sys().ClearKeys();
}

void ShowCancelled() {
  ShowHeroPanel();
  DrawTarget(0);
  PrintMessage(TextColor2, "Cancelled..");
  DrawScreen(0, 1, 1, 1);
  ActionState = kActionMoving;
  Sys().Wait(120);
  Sys().ClearKeys();
}

// The hero's tile changed in this pass: he moves on the board.
void MoveHero(int fromX, int fromY) {
  PlayEffect(kEffectStep);
  ObjectMap[fromX][fromY] = 0;
  ObjectMap[HeroX()][HeroY()] = static_cast<uint8_t>(CurrentObject);
  DrawTile(fromX, fromY, 0);
  RevealFrom(HeroX(), HeroY());
  HighlightHero();
  ShowWalk();
  DrawScreen(0, 1, 1, 1);
  Sys().Wait(100);
  Sys().ClearKeys();
}

void TargetChanged(int oldX, int oldY) {
  int ax, ay;
  if (AnchorOf(oldX, oldY, &ax, &ay)) DrawObject(ax, ay, 0);
  PlayEffect(kEffectSelect);
  DrawTarget(2);
  ShowPanel(TargetSlot());
  DrawScreen(0, 1, 0, 1);
  Sys().Wait(100);
}

// One pass of the turn; w0 is the walk the turn started with.
void TurnStep(int* w0) {
  ActionChangedLevel = 0;
  const bool skirmish = GameOptions.skirmish != 0;
  if (!skirmish && ActionState == kActionActed) {
    if (WalkLeft == *w0)
      *w0 = 0;  // acted before moving: the whole roll is still his
    else if (WalkLeft < *w0)
      WalkLeft = 0;  // moved, then acted: the rest of the walk is lost
  }
  Ambience(HeroX(), HeroY(), kAmbienceUpdate);
  const int heroX = HeroX(), heroY = HeroY();
  const int targetX = ActionTargetX, targetY = ActionTargetY;
  UpdateMouse();
  TurnRequests req;
  const int buttons = Sys().MouseButtons();
  const bool onBoard = MouseTileX >= 0 && MouseTileY >= 0;
  if ((buttons & 2) && onBoard) InspectObject(MouseTileX, MouseTileY);
  // A left press counts on the board only when it went down there: one that grabbed a
  // panel or a button and is dragged across the board walks nobody.
  if ((buttons & 1) && onBoard && MousePress[0].tx >= 0) LeftClick(MouseTileX, MouseTileY);
  if (((buttons & 2) && !onBoard) || TakeButtonClick(kButtonSkip)) {
    CancelOrEndTurn();
    while ((Sys().MouseButtons() & 2) && ExitRequest < 2) Sys().Wait(10);
  }
  if (TakeButtonClick(kButtonMenu)) req.gameMenu = true;
  if (TakeButtonClick(kButtonZoom)) {
    ViewMode = ViewMode == 2 ? 1 : 2;
    DrawScreen(0, 1, 0, 0);
  }
  if (TakeButtonClick(kButtonOpen)) req.openDoor = true;
  if (Sys().KeyPressed()) HandleKey(Sys().ReadKey(), &req);
  if (req.gameMenu) {
    QuestOutcome = GameMenu() == 1 ? kQuestLeft : kQuestPlaying;
    DrawScreen(1, 1, 1, 1);
  }
  if (ReloadedFlag > 0) {
    ContinueReloadedGame();
    return;
  }
  if (ActionChangedLevel) {
    // The stairs took him to another level: the tiles captured above belong to the old
    // board. He goes on from where he arrived, as one who has moved.
    *w0 = WalkLeft + 1;
    CheckQuestEnd();
    RedrawIfRequested();
    Sys().Wait(10);
    return;
  }
  bool doorOpened = req.openDoor && OpenDoorNextTo(HeroX(), HeroY()) == 0;
  bool moved = false;
  if ((HeroX() != heroX || HeroY() != heroY) && WalkLeft >= 0) {
    MoveHero(heroX, heroY);
    moved = true;
  }
  if (ActionTargetX != targetX || ActionTargetY != targetY) TargetChanged(targetX, targetY);
  if (WalkLeft == 0 && ActionState == kActionMoving) ActionState = kActionRequested;
  if (ActionState == kActionRequested || ActionState == kActionTargetClicked) OfferAction();
  if (ActionState == kActionCancelled || ActionState == kActionTeleportBlocked) ShowCancelled();
  if (moved || doorOpened) RunStepScripts(HeroX(), HeroY());
  if (ActionChangedLevel) *w0 = WalkLeft + 1;
  CheckQuestEnd();
  RedrawIfRequested();
  Sys().Wait(10);
}

}  // namespace

void ContinueTurnOnNewBoard() {
  bool found = false;
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      if (ObjectMap[x][y] != CurrentObject || CurrentObject == 0) continue;
      if (!found) {
        HeroPositionX = x;
        HeroPositionY = y;
        found = true;
      }
      RevealFrom(x, y);
    }
  if (!found) {
    // He did not come along (nobody carried him over): his turn is over.
    WalkLeft = 0;
    ActionState = kActionActed;
    return;
  }
  ActionState = kActionMoving;
  WalkLeft = ObjectTable[CurrentObject].attribute[kWalk];
  ShowHeroPanel();
  HighlightHero();
  DrawScreen(0, 1, 1, 1);
}

void HeroTurn(int x, int y) {
  HeroPositionX = x;
  HeroPositionY = y;
  ActionTargetX = x;
  ActionTargetY = y;
  ActionState = kActionMoving;
  StartHeroWalk(CurrentObject);
  int w0 = WalkLeft;
  ShowHeroPanel();
  RevealFrom(x, y);
  DrawScreen(0, 1, 1, 1);
  Sys().Wait(120);
  HighlightHero();
  DrawScreen(0, 1, 0, 0);
  Sys().Wait(120);
  Sys().ClearKeys();
  // At least one pass, so that a hero without walk points still gets his chance to act.
  do {
    TurnStep(&w0);
  } while (ExitRequest < 2 && QuestOutcome == kQuestPlaying &&
           !(WalkLeft <= 0 && ActionState <= kActionRequested));
  int ax, ay;
  if (AnchorOf(HeroX(), HeroY(), &ax, &ay)) DrawObject(ax, ay, 0);
}
