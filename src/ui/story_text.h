// The story texts of a quest (briefing, defeat, victory) laid out for the quest screen:
// centred, word-wrapped lines in the large dialog font, at most eight of them. A line
// would rather end after a comma or full stop near its end than at its last blank.
#pragma once
#include <allegro.h>

constexpr int kStoryMaxLines = 8;
constexpr int kStoryTextMax = 800;  // characters of a story text that are laid out
constexpr int kStoryMinWidth = 200;

// Which text: anything other than these two is the briefing.
enum StoryWhich { kStoryBriefing = 0, kStoryDefeat = 2, kStoryVictory = 3 };

struct StoryLines {
  int count;
  char line[kStoryMaxLines][kStoryTextMax + 1];
};

// The header text `which` selects.
const char* StoryText(int which);
// Distance from one line's top to the next: the dialog font's height + 2.
int StoryLinePitch();

// Breaks text (its first kStoryTextMax characters, trailing blanks ignored) into
// lines no wider than width pixels (at least kStoryMinWidth) in the dialog font.
// Returns the number of lines, 1 to kStoryMaxLines; an empty text is one empty line.
int BreakStoryText(const char* text, int width, StoryLines* out);

// Clears work to magic pink and draws the chosen text's lines into it, each centred on
// width / 2 + 1, one pitch apart from the top, in the first text colour. Returns the
// number of lines drawn. work should be at least width + 2 wide and
// kStoryMaxLines pitches high; what falls outside it is clipped.
int LayoutStoryText(BITMAP* work, int width, int which);
