// Combat: the combat dice, who may be attacked or used, and the attack itself.
// Skulls wound; white shields parry for heroes and allies, black shields for monsters.
// Physical attacks (off above 0) wound life and can be parried, magical ones (off below
// 0) wound mind and cannot.
#pragma once

// The six counters of the last throw (cleared before every throw).
struct CombatDiceCount {
  int attackSkulls, attackWhite, attackBlack;
  int defenceSkulls, defenceWhite, defenceBlack;
};
extern CombatDiceCount CombatDice;

// What a combat die shows for a six-sided roll 1..6.
enum CombatFace { kFaceSkull = 0, kFaceWhiteShield = 1, kFaceBlackShield = 2 };
int CombatFaceOf(int roll);

// Throws |off| attack dice for the attacker and, against a physical attack, def defence
// dice for the defender (both object slots); counts them in CombatDice and shows them
// with both portraits in the message panel.
void RollCombat(int attacker, int defender);

// 0 when the object covering (tx, ty) may be attacked (or, with allowUse, used) by the
// object on (x, y); 1 when not. With needStep the target must be a revealed neighbour
// reached without a closed door. The target's anchor tile goes to ax, ay when given.
int CanActOn(int x, int y, int tx, int ty, int needStep, int allowUse, int* ax = nullptr,
             int* ay = nullptr);

// Option "Usual enemies have 1 life": a usual enemy below 50 experience is cut to 1 life.
void ApplyOneLifeOption(int target);

// Experience for wounds dealt to target: a magical target's offence counts double.
int CombatExperience(int wounds, int target);

// The attack of object a on object t anchored on (tx, ty), both on the board: dice,
// wounds, experience, the result line and, when t dies, its death. Returns 1 when t died.
int AttackObject(int a, int t, int tx, int ty);
// Wounds dealt by the last attack.
extern int LastWounds;

// The death of the object in slot on its anchor (x, y): it turns static with life and
// mind 0, flashes with the death tint, leaves the board (a hero also his slot) and the
// death sound plays; dying in his own turn ends it (WalkLeft 0). The killer's kill
// count is the caller's.
void KillObject(int slot, int x, int y);

// Redraws the tiles an object covered on (x, y) and the objects standing around them.
void RedrawAround(int x, int y);
