// The two shops a hero spends his gold in: "The Armory" for heroes who fight with
// steel, "The Alchemist's Shop" for those whose attack is magical (negative base
// offence). Each sells five goods, every one raising one current attribute by a step.
#pragma once

// Runs the shop for the hero in object slot hero (1..4) until he leaves it; reached
// from the gold labels of the briefing screen and from the "run equipment shop"
// script during play. Returns 0.
int Shop(int hero);

// Puts the shop behind the play loop's "run equipment shop" script.
void InstallShopHook();
