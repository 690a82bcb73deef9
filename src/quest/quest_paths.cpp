#include "quest/quest_paths.h"

#include <allegro.h>

#include <cctype>
#include <cstdio>
#include <cstring>

#include "core/colors.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "core/program_state.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"

namespace {
constexpr int kNameMax = 511;

bool HasFolderOfItsOwn(const char* path) {
  return path[0] == '/' || (path[0] && path[1] == ':');
}
}  // namespace

void QuestExtension(char* out, int number) {
  if (number == -1)
    strcpy(out, ".sav");
  else if (number == 1)
    strcpy(out, ".qst");
  else if (number >= 2 && number <= 99)
    snprintf(out, 5, ".q%02d", number);
  else
    out[0] = '\0';
}

const char* BuildQuestPath(const char* name, int number) {
  char asGiven[kNameMax + 8];
  CopyText(asGiven, name, kNameMax);
  const char* ext = get_extension(asGiven);
  if (ext[0] == '\0' || ext[0] == ' ') {
    char add[5];
    QuestExtension(add, number);
    strcat(asGiven, add);
  }
  const char* folder = "";
  if (!HasFolderOfItsOwn(asGiven)) {
    if (number > 0) folder = QuestsDir;
    if (number < 0) folder = SavesDir;
  }
  // Quest files are named in lower case. Only the file name is lowered (folders keep
  // their case on this file system), and a file that already exists under the name as
  // given, capitals and all, is still found.
  char lowered[kNameMax + 8];
  CopyText(lowered, asGiven, kNameMax + 7);
  for (char* p = get_filename(lowered); *p; p++)
    *p = static_cast<char>(tolower(static_cast<unsigned char>(*p)));
  snprintf(LineBuffer, sizeof LineBuffer, "%s%s", folder, lowered);
  if (!exists(LineBuffer) && strcmp(lowered, asGiven) != 0) {
    char original[sizeof LineBuffer];
    snprintf(original, sizeof original, "%s%s", folder, asGiven);
    if (exists(original)) CopyText(LineBuffer, original, sizeof LineBuffer - 1);
  }
  if (GameOptions.developer) {
    PrintMessage(ColorTable[kColorGreen], "check_filename:%s %d", LineBuffer, number);
    RefreshMessages();
  }
  return LineBuffer;
}
