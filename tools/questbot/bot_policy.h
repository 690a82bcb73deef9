// How the bot plays a hero's turn. It reads the board and the play state (through the
// rules' own functions: FindPath, StepBlocked, CanActOn, ObjectAt, EdgeDoorField ...) and
// answers with what a player's hands do: an arrow key, Enter, O, Backspace, or a left
// click on a tile. It never changes the game by itself.
//
// The policy, in order: an action already being chosen is carried out (or cancelled
// when it is not wanted); a wanted target next to the hero is attacked or used; a door
// next to him with an unseen room behind it is opened to look in; then he walks one step
// towards the best goal (monsters to fight, the objective, keys, healing when wounded,
// loot, levers, unrevealed tiles), each worth a value less the steps to get there; with
// nothing worth doing the turn ends.
#pragma once
#include <allegro.h>

#include <cstdint>

#include "quest/quest_model.h"

// Readkey codes the bot types.
constexpr int kBotKeyLeft = KEY_LEFT << 8;
constexpr int kBotKeyRight = KEY_RIGHT << 8;
constexpr int kBotKeyUp = KEY_UP << 8;
constexpr int kBotKeyDown = KEY_DOWN << 8;
constexpr int kBotKeyEnter = (KEY_ENTER << 8) | 13;
constexpr int kBotKeyOpen = (KEY_O << 8) | 'o';
constexpr int kBotKeyBackspace = (KEY_BACKSPACE << 8) | 8;

// One move of the bot's hands.
struct BotAction {
  enum Kind { kNothing, kKey, kClick };
  Kind kind = kNothing;
  int key = 0;            // kKey: readkey code
  int tx = -1, ty = -1;   // kClick: the tile
  int goalX = -1, goalY = -1;  // where a step leads (for the log and the memory)
  int slot = 0;           // the object a click or Enter is about
  const char* why = "";   // a short reason, for the log
};

// The name of a key the bot types ("RIGHT", "ENTER" ...).
const char* BotKeyName(int code);

// What the bot remembers over a game and over one hero turn.
struct BotMemory {
  // The game.
  uint8_t peeked[kBoardW][kBoardH];  // O was pressed standing here
  uint8_t used[kMaxObjects];         // actions on each object (statics only)
  int quietTurns = 0;   // hero turns since a piece last lost or gained life or mind
  long vitals = -1;     // the life and mind of every piece at the last turn's start
  // The turn.
  uint8_t badGoal[kBoardW][kBoardH];  // steps towards it led nowhere this turn
  uint8_t badTarget[kMaxObjects];     // choosing or acting on it did nothing this turn
  int actions = 0;                    // actions this turn
  // The last action and the state it was taken in.
  BotAction last;
  int lastX = -1, lastY = -1, lastWalk = 0, lastState = 0, lastTargetX = -1, lastTargetY = -1;

  void NewGame();
  // At the start of each hero turn.
  void NewTurn();
};

// Hero turns without a wound or a kill before a hero who holds back from the monsters'
// reach advances anyway (monsters that cannot come would otherwise be waited for).
constexpr int kBotPatience = 8;

// The hero's next action (CurrentObject at HeroPositionX/Y in a hero turn).
BotAction ChooseBotAction(BotMemory& memory);

// ---- Pieces of the policy -------------------------------------------------------------

// The screen position at the middle of tile (tx, ty) in the current layout and view;
// false when the tile is not on the screen (off the board or outside the zoom window).
bool TileToScreen(int tx, int ty, int* sx, int* sy);

// A hero able to take on a monster: at least half his life (or four points of it) and
// half his mind (or three points).
bool HeroFit(int hero);

// How many of the monsters the heroes have revealed could attack a hero standing on
// each tile in their next turn (by their walk over revealed tiles and open doors).
// Returns false when no revealed monster can fight at all.
bool MonsterReach(uint8_t threat[kBoardW][kBoardH]);

// How much the hero wants to act on the static object in slot (0: not at all). Objects
// whose scripts lose the quest, hurt, flee or end the hero's part are never wanted.
int StaticWant(int hero, int slot);
// How much the hero wants to attack the monster in slot (0: not at all).
int MonsterWant(int hero, int slot);

// The value of each kind of goal (what a step less is worth: 1).
enum BotValue {
  kValueWin = 90,          // an object whose script wins the quest; the objective's door
  kValueObjective = 70,    // a chest of "Open all Chests", a monster carrying a win
  kValueFight = 30,        // a monster, for a fit hero (and up to 30 more for the
                           // share of its life one attack takes)
  kValueHeal = 55,         // healing for a hero at half his life or less
  kValueKey = 40,          // a key nobody in the party has
  kValueBoost = 25,        // an attribute given for good
  kValueLoot = 20,         // gold in a chest
  kValueLever = 18,        // a lever or a reveal: new ways
  kValueSearch = 12,       // a treasure card, for a healthy hero
  kValueWeakFight = 6,     // a monster, for a wounded hero (and as much more)
  kValueFaction = 10,      // more for a monster of the faction the objective names
  kValueExplore = 10,      // a tile nobody has seen
  kValueHatch = 4,         // a hatch, when there is nothing else
};
