#include "ui/story_text.h"

#include <cstring>

#include "core/colors.h"
#include "core/game_data.h"
#include "quest/quest_model.h"
#include "ui/text.h"

namespace {

// A break after a comma or full stop is preferred within this many characters before
// the blank a line would otherwise end at...
constexpr int kPunctuationReach = 20;
// ...once the text has gone this far (a first short line keeps its last blank).
constexpr int kPunctuationFrom = 20;

bool IsBlankOrEnd(char c) { return c == ' ' || c == '\0'; }

// Width of text[from, from + n) in the dialog font.
int SpanWidth(const char* text, int from, int n, char* scratch) {
  memcpy(scratch, text + from, n);
  scratch[n] = '\0';
  return TextWidth(kFontDialog, scratch);
}

}  // namespace

const char* StoryText(int which) {
  if (which == kStoryDefeat) return QuestHeader.defeat;
  if (which == kStoryVictory) return QuestHeader.victory;
  return QuestHeader.briefing;
}

int StoryLinePitch() { return FontHeight(kFontDialog) + 2; }

int BreakStoryText(const char* source, int width, StoryLines* out) {
  if (width < kStoryMinWidth) width = kStoryMinWidth;
  char text[kStoryTextMax + 1];
  CopyText(text, source ? source : "", kStoryTextMax);
  int end = static_cast<int>(strlen(text)) - 1;
  while (end >= 0 && text[end] == ' ') end--;
  // Positions past end still hold the trailing blanks or the terminator, which the
  // break search below takes for a blank.

  char scratch[kStoryTextMax + 1];
  out->count = 0;
  int start = 0;
  while (out->count < kStoryMaxLines) {
    // The longest run from start that fits and does not pass the end.
    int n = 0;
    while (start + n <= end && SpanWidth(text, start, n + 1, scratch) <= width) n++;

    // Back from the first character left out to a blank (or the text's end); with no
    // blank in the line, the line is its first character alone.
    int b = start + n;
    while (b > start && !IsBlankOrEnd(text[b])) b--;

    if (b > kPunctuationFrom) {
      for (int p = b; p >= b - (kPunctuationReach - 1) && p >= start; p--)
        if (text[p] == ',' || text[p] == '.') {
          b = p;
          break;
        }
    }

    int from = text[start] == ' ' ? start + 1 : start;
    // b may stand on the terminator: the line then simply ends with the text.
    int len = b + 1 - from;
    if (from + len > kStoryTextMax) len = kStoryTextMax - from;
    if (len < 0) len = 0;
    memcpy(out->line[out->count], text + from, len);
    out->line[out->count][len] = '\0';
    out->count++;

    if (b >= end) break;
    start = b + 1;
  }
  return out->count;
}

int LayoutStoryText(BITMAP* work, int width, int which) {
  if (width < kStoryMinWidth) width = kStoryMinWidth;
  static StoryLines lines;  // 6 KB: kept out of the stack
  int count = BreakStoryText(StoryText(which), width, &lines);
  if (!work) return count;
  clear_to_color(work, makecol_depth(bitmap_color_depth(work), 255, 0, 255));
  const int pitch = StoryLinePitch();
  const int ink = MakeColorFromTriple(TextColor1);
  for (int i = 0; i < count; i++)
    DrawTextCentred(work, kFontDialog, width / 2 + 1, i * pitch, ink, "%s", lines.line[i]);
  return count;
}
