#pragma once

// The quest properties dialog: texts, heroes, chapters, rewards, objective and
// wandering monster.
void EditQuestProperties();
