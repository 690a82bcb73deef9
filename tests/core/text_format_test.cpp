#include <allegro.h>
#include <gtest/gtest.h>

#include "core/program_state.h"

// The test main starts Allegro the way the game does, after UseSingleByteText().
TEST(TextFormat, EveryByteIsOneCharacter) {
  EXPECT_EQ(get_uformat(), U_ASCII);
  // A Latin-1 letter at the end of a text: as a multi-byte lead it would swallow the
  // terminator and the bytes behind it.
  const char text[] = {'c', 'a', 'f', '\xe9', '\0', 'x', 'y', 'z', '\0'};
  EXPECT_EQ(ustrlen(text), 4);
  EXPECT_EQ(ustrsize(text), 4);
  EXPECT_GT(text_length(font, text), 0);
}
