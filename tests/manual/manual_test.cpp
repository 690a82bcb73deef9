// The shipped manual, checked against what the in-game reader understands: it shows
// nothing before an upper-case body tag, breaks lines only at <P>, </P>, <BR> and
// heading ends written in upper case, hides everything between angle brackets, shows
// entities literally, turns a vertical bar into small print until the next heading
// end, and lets line feeds take no room at all.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadManual() {
  std::ifstream in(DUNMARROW_SOURCE_DIR "/data/Dunmar.htm", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

struct Tag {
  size_t at;         // position of the opening bracket
  std::string text;  // the whole tag, brackets included
  std::string name;  // without a leading slash, up to a blank
};

std::vector<Tag> TagsOf(const std::string& s) {
  std::vector<Tag> tags;
  for (size_t at = s.find('<'); at != std::string::npos; at = s.find('<', at + 1)) {
    size_t end = s.find('>', at);
    if (end == std::string::npos) break;
    Tag t{at, s.substr(at, end - at + 1), ""};
    size_t from = (t.text.size() > 1 && t.text[1] == '/') ? 2 : 1;
    size_t stop = t.text.find_first_of(" >", from);
    t.name = t.text.substr(from, stop - from);
    tags.push_back(t);
  }
  return tags;
}

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  return s;
}

bool IsHeadingName(const std::string& name) {
  return name.size() == 2 && name[0] == 'H' && isdigit(static_cast<unsigned char>(name[1]));
}

// What the reader shows, line breaks aside: the text after the body tag without tags,
// carriage returns, line feeds and small-print bars.
std::string VisibleText(const std::string& s) {
  size_t body = s.find("<BO");
  if (body == std::string::npos) return "";
  std::string out;
  bool inTag = false;
  for (size_t i = s.find('>', body) + 1; i < s.size(); i++) {
    char c = s[i];
    if (c == '<') inTag = true;
    if (!inTag && c != '\r' && c != '\n' && c != '|') out += c;
    if (c == '>') inTag = false;
  }
  return out;
}

TEST(Manual, HasAnUpperCaseBodyTag) {
  EXPECT_NE(ReadManual().find("<BODY>"), std::string::npos);
}

TEST(Manual, IsPlainAsciiWithoutEntities) {
  std::string s = ReadManual();
  ASSERT_FALSE(s.empty());
  for (size_t i = 0; i < s.size(); i++) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    bool plain = c == '\n' || c == '\r' || c == '\t' || (c >= 32 && c < 127);
    EXPECT_TRUE(plain) << "byte " << int(c) << " at " << i;
    EXPECT_NE(c, '&') << "an entity would show literally, at " << i;
  }
}

// A stray bracket would hide text up to the next closing bracket.
TEST(Manual, EveryBracketBelongsToOneTag) {
  std::string s = ReadManual();
  bool inTag = false;
  for (size_t i = 0; i < s.size(); i++) {
    if (s[i] == '<') {
      EXPECT_FALSE(inTag) << "bracket inside a tag at " << i;
      inTag = true;
    } else if (s[i] == '>') {
      EXPECT_TRUE(inTag) << "closing bracket outside a tag at " << i;
      inTag = false;
    }
  }
  EXPECT_FALSE(inTag);
}

// The reader breaks lines by the characters just before the closing bracket, so the
// breaking tags must be written upper case and bare.
TEST(Manual, LineBreakingTagsAreUpperCaseAndBare) {
  for (const Tag& t : TagsOf(ReadManual())) {
    std::string upper = Upper(t.name);
    bool breaking = upper == "P" || upper == "BR" || upper[0] == 'H';
    if (!breaking) continue;
    EXPECT_EQ(t.name, upper) << t.text;
    if (upper == "P") {
      EXPECT_TRUE(t.text == "<P>" || t.text == "</P>") << t.text;
    } else if (upper == "BR") {
      EXPECT_EQ(t.text, "<BR>");
    } else if (IsHeadingName(t.name) && t.text[1] == '/') {
      EXPECT_EQ(t.text.size(), 5u) << t.text;
    }
  }
}

TEST(Manual, EveryHeadingIsClosedBeforeTheNextOne) {
  std::string open;
  int headings = 0;
  for (const Tag& t : TagsOf(ReadManual())) {
    if (!IsHeadingName(t.name)) continue;
    if (t.text[1] == '/') {
      EXPECT_EQ(open, t.name) << "unexpected " << t.text << " at " << t.at;
      open.clear();
    } else {
      EXPECT_EQ(open, "") << t.text << " opens inside another heading at " << t.at;
      open = t.name;
      headings++;
    }
  }
  EXPECT_EQ(open, "");
  EXPECT_GT(headings, 10);
}

// Small print lasts until a heading end; without one the rest of the manual is small.
TEST(Manual, SmallPrintEndsAtAHeading) {
  std::string s = ReadManual();
  for (size_t bar = s.find('|'); bar != std::string::npos; bar = s.find('|', bar + 1)) {
    bool ended = false;
    for (const Tag& t : TagsOf(s.substr(bar)))
      if (t.text[1] == '/' && IsHeadingName(t.name)) ended = true;
    EXPECT_TRUE(ended) << "small print at " << bar << " runs on to the end";
  }
}

// Line feeds take no room: a source line must not end and begin inside words.
TEST(Manual, SourceLineBreaksNeverJoinWords) {
  std::string s = ReadManual();
  for (size_t nl = s.find('\n'); nl != std::string::npos; nl = s.find('\n', nl + 1)) {
    size_t before = nl;
    while (before > 0 && (s[before - 1] == '\r')) before--;
    if (before == 0 || nl + 1 >= s.size()) continue;
    char prev = s[before - 1], next = s[nl + 1];
    bool joins = prev != ' ' && prev != '>' && prev != '\n' && next != ' ' && next != '<' &&
                 next != '\r' && next != '\n';
    EXPECT_FALSE(joins) << "words joined at " << nl;
  }
}

TEST(Manual, QuotesTheGamesOwnNamesForEveryTopic) {
  const char* const phrases[] = {
      // main menu
      "\"PLAY QUEST\"", "\"THE DUNGEON\"", "\"EDIT QUEST\"", "\"HALL OF FAME\"",
      "\"GAME MANUAL\"", "\"OPTIONS..\"", "\"EXIT\"",
      // screen buttons and the game menu
      "\"MENU\"", "\"ZOOM\"", "\"OPEN\"", "\"SKIP\"", "\"RESUME PLAY\"", "\"LOAD GAME\"",
      "\"SAVE GAME\"",
      // options and presets
      "\"Enemy Range:\"", "\"Sound Volume:\"", "\"Multiple enemy turns\"",
      "\"Swap usual enemy locations\"", "\"Enemy white shield defence\"",
      "\"Usual enemies have 1 life\"", "\"Predefined hero walk value\"",
      "\"Pass other heroes\"", "\"Target other heroes\"", "\"Move before and after action\"",
      "\"DEFAULT\"", "\"CLASSIC\"",
      // campaign
      "Magic Dungeon", "Hall of Fame", "\"The Armory\"", "\"The Alchemist's Shop\"",
      "\"Kill all monsters\"", "\"Open all Chests\"",
      // editor
      "\"Editmenu\"", "\"Map Filters\"", "\"Properties\"", "\"Quest Properties\"",
      "\"GENERATE CONTENT\"", "\"GREYSCALE EXPORT\"", "\"Look script\"", "\"Walk script\"",
      // every script type
      "\"no script\"", "\"run text and sound\"", "\"give x, amount y\"",
      "\"#set x,  amount y\"", "\"#take x, amount y\"", "\"#strip x to default\"",
      "\"#item x, amount y\"", "\"arrow trap 50%\"", "\"#trap type 2\"", "\"#trap type 3\"",
      "\"#instant death type x\"", "\"game end, type x\"", "\"game won, reveal xy\"",
      "\"game won, reveal all\"", "\"reveal room xy\"", "\"reveal all\"",
      "\"#change floor xy\"", "\"#change to side x\"", "\"#change to prefab x\"",
      "\"treasure card\"", "\"hatch-teleport to xy\"", "\"run equipment shop\"",
      "\"endpoint objective\"", "\"retreat/flee point\"", "\"reveal/make door xy\"",
      // files and tools
      "dunmar.cfg", ".q02", "saves", "scrdump1.pcx", "dungen --seed",
  };
  std::string text = VisibleText(ReadManual());
  for (const char* p : phrases) EXPECT_NE(text.find(p), std::string::npos) << p;
}

}  // namespace
