#include "quest/quest_paths.h"

#include <allegro.h>

#include <cctype>
#include <cstdio>
#include <cstring>

#include "core/game_options.h"
#include "core/program_state.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "render/message_line.h"
#include "ui/colors.h"

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
  char path[kNameMax + 8];
  CopyText(path, name, kNameMax);
  // Only the file name is lowered: folders keep their case on this file system.
  for (char* p = get_filename(path); *p; p++)
    *p = static_cast<char>(tolower(static_cast<unsigned char>(*p)));
  const char* ext = get_extension(path);
  if (ext[0] == '\0' || ext[0] == ' ') {
    char add[5];
    QuestExtension(add, number);
    strcat(path, add);
  }
  const char* folder = "";
  if (!HasFolderOfItsOwn(path)) {
    if (number > 0) folder = QuestsDir;
    if (number < 0) folder = SavesDir;
  }
  snprintf(LineBuffer, sizeof LineBuffer, "%s%s", folder, path);
  if (GameOptions.developer) {
    PrintMessage(ColorTable[kColorGreen], "check_filename:%s %d", LineBuffer, number);
    RefreshMessages();
  }
  return LineBuffer;
}
