#include <cstdlib>
#include <string>

#include "ui/clipboard.h"
#include "ui_fields/field_fixture.h"

namespace {

using ClipboardTest = FieldTest;

TEST_F(ClipboardTest, ReadTextIsMadeFitForAOneLineField) {
  struct Case {
    const char* name;
    std::string clipboard;
    std::string expected;
    ClipboardState state;
  } cases[] = {
      {"plain", "quest", "quest", ClipboardState::kText},
      {"trailing line breaks dropped", "quest\r\n\n", "quest", ClipboardState::kText},
      {"inner control characters become blanks", "a\tb\nc", "a b c", ClipboardState::kText},
      {"a broken sequence becomes a question mark", "a\xff" "b", "a?b", ClipboardState::kText},
      {"a cut-off sequence at the end", "ab\xc3", "ab?", ClipboardState::kText},
      {"accented letters arrive as the game's single bytes", "caf\xc3\xa9", "caf\xe9",
       ClipboardState::kText},
      {"only a line break is no text", "\n", "", ClipboardState::kEmpty},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    clip.holdsText = true;
    clip.text = c.clipboard;
    std::string got = "stale";
    EXPECT_EQ(ClipboardReadText(&got), c.state);
    EXPECT_EQ(got, c.expected);
  }
}

TEST_F(ClipboardTest, StatesOfTheClipboard) {
  clip.reachable = false;
  EXPECT_EQ(ClipboardTestText(), ClipboardState::kUnavailable);
  EXPECT_FALSE(ClipboardCopyText("x"));
  clip.reachable = true;
  EXPECT_EQ(ClipboardTestText(), ClipboardState::kEmpty);
  EXPECT_TRUE(ClipboardCopyText("x"));
  EXPECT_EQ(ClipboardTestText(), ClipboardState::kText);
}

TEST_F(ClipboardTest, CopiedTextLeavesAsUtf8WhateverTheGamesEncoding) {
  // The game's texts are single bytes.
  EXPECT_TRUE(ClipboardCopyText("caf\xe9"));
  EXPECT_EQ(clip.text, "caf\xc3\xa9");
  std::string back;
  EXPECT_EQ(ClipboardReadText(&back), ClipboardState::kText);
  EXPECT_EQ(back, "caf\xe9");

  set_uformat(U_UTF8);
  EXPECT_TRUE(ClipboardCopyText("caf\xc3\xa9"));
  EXPECT_EQ(clip.text, "caf\xc3\xa9");
  set_uformat(U_ASCII);
}

TEST_F(ClipboardTest, WithoutADisplayTheDesktopClipboardIsUnavailable) {
  const char* had = getenv("DISPLAY");
  std::string saved = had ? had : "";
  unsetenv("DISPLAY");
  std::string text = "stale";
  EXPECT_FALSE(DesktopClipboard().Put("x"));
  EXPECT_EQ(DesktopClipboard().Get(&text), ClipboardState::kUnavailable);
  EXPECT_EQ(text, "");
  if (had) setenv("DISPLAY", saved.c_str(), 1);
}

}  // namespace
