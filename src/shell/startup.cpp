#include "shell/startup.h"

#include <allegro.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "campaign/campaign_hooks.h"
#include "campaign/hall_of_fame.h"
#include "core/colors.h"
#include "core/config_file.h"
#include "core/detached_process.h"
#include "core/display_scale.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "core/random.h"
#include "core/sin_table.h"
#include "core/system_info.h"
#include "core/user_folders.h"
#include "editor/editor_loop.h"
#include "quest/prefab_file.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "render/render_bitmaps.h"
#include "render/screen_buttons.h"
#include "render/screen_hooks.h"
#include "render/screen_layout.h"
#include "render/title_picture.h"
#include "shell/command_line.h"
#include "shell/display_hooks.h"
#include "shell/file_association.h"
#include "shell/main_menu.h"
#include "ui/bevel_box.h"
#include "ui/dialog_look.h"

void TellUser(const char* text) {
  fprintf(stderr, "%s%s", text, text[0] && text[strlen(text) - 1] == '\n' ? "" : "\n");
  fflush(stderr);
  const char* quiet = getenv("DUNMARROW_NO_MESSAGE_BOX");
  if ((quiet && quiet[0] && strcmp(quiet, "0") != 0) || !getenv("DISPLAY")) return;
  // A desktop user started from a menu never sees the error output: show the text in
  // a box of its own. It runs detached, so the game ends at once whatever the box does.
  const char* argv[] = {"xmessage", "-center", "-title", "Dunmarrow", "-buttons", "OK:0",
                        "-default", "OK", text, nullptr};
  RunDetached(argv, true);
}

void RequestedQuestPath(const char* argument, char* out, int n) {
  snprintf(out, n, "%s", argument ? argument : "");
  if (access(out, F_OK) == 0) return;
  for (char* p = out; *p; p++) *p = static_cast<char>(tolower(static_cast<unsigned char>(*p)));
}

namespace {

FONT* gBuiltinFont = nullptr;

// Colour conversion of loaded pictures to the screen's depth. True-colour pictures of
// other depths are converted as well, so every datafile picture matches the screen;
// at 32 bits a picture's alpha channel is kept.
int ColorConversionFor(int depth) {
  switch (depth) {
    case 32: return COLORCONV_24_TO_32;
    case 24: return COLORCONV_32_TO_24 | COLORCONV_32A_TO_24;
    case 16: return COLORCONV_24_TO_16 | COLORCONV_32_TO_16 | COLORCONV_32A_TO_16;
    case 15: return COLORCONV_24_TO_15 | COLORCONV_32_TO_15 | COLORCONV_32A_TO_15;
    default: return COLORCONV_NONE;
  }
}

// The graphics mode could not be set: tell the player, and change the one key that
// gives the next start a better chance.
int FailGraphicsMode() {
  char error[ALLEGRO_ERROR_SIZE];
  snprintf(error, sizeof error, "%s", allegro_error);
  set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
  char text[512];
  snprintf(text, sizeof text,
           "Unable to set graphic mode\n%s\nWriting alternate config... Please restart the game.\n",
           error);
  TellUser(text);
  if (!StoreGraphicsModeFallback(ConfigPath, GameOptions.fullscreen, GameOptions.bpp)) {
    snprintf(text, sizeof text, "Could not write %s.", ConfigPath);
    TellUser(text);
  }
  return 1;
}

void ShowLoadingScreen() {
  clear_to_color(screen, ShadeColor(gui_bg_color, -10));
  textout_centre_ex(screen, gBuiltinFont, "LOADING...", SCREEN_W / 2, SCREEN_H - 12,
                    GameOptions.highlite, -1);
}

// Loads the prefab file and the datafile; false after telling what failed.
bool LoadContent() {
  char path[1024];
  ProgramFile(path, sizeof path, "Dunmar.qpf");
  LoadPrefabs(path);
  bool prefabsOk = PrefabCount > 0;
  ProgramFile(path, sizeof path, "Dunmar.dat");
  bool dataOk = LoadGameData(path);
  if (prefabsOk && dataOk) return true;
  CloseGameDisplay();
  set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
  char text[160] = "";
  // Named as the file is spelled on disk: folders here tell upper from lower case.
  if (!dataOk) strcat(text, "Fatal error while loading Dunmar.dat!\n");
  if (!prefabsOk) strcat(text, "Fatal error while loading Dunmar.qpf!\n");
  TellUser(text);
  return false;
}

void MakeColors() {
  MakeInterfaceColors(GameOptions.background, GameOptions.highlite);
  TintTexture(gui_bg_color);
  clear_to_color(MessageBitmap, BaseColor);
  clear_to_color(PanelBitmap, BaseColor);
}

// The null driver has an empty name; its plain-text name says what it is.
const char* SoundDriverName() {
  if (!digi_driver) return "No Digital Sound";
  if (digi_driver->name && digi_driver->name[0]) return digi_driver->name;
  if (digi_driver->ascii_name && digi_driver->ascii_name[0]) return digi_driver->ascii_name;
  return "No Digital Sound";
}

}  // namespace

void PrintAudioLine() {
  // sound = 1 names the driver; a higher value plays just as well but keeps quiet
  // about it (saying "Disabled" there would be untrue).
  if (GameOptions.sound == 1)
    PrintMessage(TextColor2, "Audio: %s.", SoundDriverName());
  else if (GameOptions.sound <= 0)
    PrintMessage(TextColor2, "Audio: Disabled through dunmar.cfg.");
}

namespace {

void PrintSystemLines() {
  SystemInfo info;
  GatherSystemInfo(&info);
  char line[256];
  FormatSystemLine(info, line, sizeof line);
  PrintMessage(TextColor2, "%s", line);
  PrintMessage(TextColor2, "Video: %s, %dx%d, %d bpp, %d Hz.",
               gfx_driver ? gfx_driver->name : "?", SCREEN_W, SCREEN_H, bitmap_color_depth(screen),
               get_refresh_rate());
  PrintAudioLine();
  RefreshMessages();
  Sys().Wait(30);
  PrintMessage(TextColor2, "Prefab objects loaded: %d", PrefabCount);
  RefreshMessages();
  Sys().Wait(30);
  PrintMessage(TextColor1, "Welcome to Dunmarrow %s, by Brannock %s.", VersionString, VersionDate);
  RefreshMessages();
  Sys().Wait(30);
  if (GameOptions.developer == 1)
    PrintMessage(ColorTable[kColorGreen],
                 "Developermode enabled, extra info is displayed in green colors.");
  else
    PrintMessage(TextColor1, "Choose a quest to play, or descend into the Magic Dungeon.");
}

// A quest named on the command line opens in the editor.
void EditRequestedQuest(const char* argument) {
  char name[1024];
  RequestedQuestPath(argument, name, sizeof name);
  PrintMessage(ColorTable[kColorDarkRed], "Requested to edit: %s", name);
  RefreshMessages();
  LoadQuest(name);
  for (int& s : ButtonState) s = kButtonIdle;
  RunEditor();
  ShowTitlePicture(2);
}

void Shutdown() {
  // Written while the window is still open, so that a failure can be told in it.
  if (GameOptions.firstrun > 0) GameOptions.firstrun--;
  SaveSettings();
  RemoveDisplayHooks();
  show_mouse(nullptr);
  set_mouse_sprite(nullptr);
  CloseGameDisplay();
  DestroyRenderBitmaps();
  font = gBuiltinFont;
  UnloadGameData();
}

}  // namespace

bool SaveSettings() {
  ConfigUpdate update;
  AddGameOptions(update);
  AddHallOfFame(update);
  if (WriteConfig(ConfigPath, update)) return true;
  fprintf(stderr,
          "Could not write %s: the settings and the Hall of Fame of this run were not saved; "
          "the previous file is unchanged.\n",
          ConfigPath);
  fflush(stderr);
  char line[300];
  snprintf(line, sizeof line, "  Could not write %s:  ", get_filename(ConfigPath));
  Sys().Alert(line, "the settings and the Hall of Fame", "of this run were not saved.", "OK",
              nullptr, 'O', 0);
  return false;
}

int RunProgram(int argc, char** argv) {
  const char* questFile = nullptr;
  int answered = HandleCommandLine(argc, argv, &questFile);
  if (answered >= 0) return answered;
  UseSingleByteText();
  if (install_allegro(SYSTEM_AUTODETECT, &errno, atexit) != 0) {
    fprintf(stderr, "Dunmarrow could not start the game library: %s\n", allegro_error);
    return 1;
  }
  install_keyboard();
  install_mouse();
  install_timer();
  gBuiltinFont = font;

  char exe[1024];
  get_executable_name(exe, sizeof exe);
  InitProgramPaths(exe);
  set_window_title("Dunmarrow");

  char cfg[1024];
  SetUpProgramFolders(cfg, sizeof cfg);
  SelectConfigFile(cfg);
  SetDefaultGameOptions();
  ReadGameOptions();

  ObjectCount = 0;
  if (GameOptions.firstrun > 0) RegisterQuestFileType(ExePath, true);
  ReadHallOfFame();

  if (GameOptions.sound > 0 && install_sound(DIGI_AUTODETECT, MIDI_AUTODETECT, nullptr) != 0) {
    char text[512];
    snprintf(text, sizeof text, "Sound Error: %s\nOptionally disable sound through dunmar.cfg.\n",
             allegro_error);
    TellUser(text);
    return 1;
  }

  set_color_depth(GameOptions.bpp);
  DisplayOpenResult display =
      OpenGameDisplay(GameOptions.fullscreen != 0, GameOptions.scale, GameOptions.smooth != 0);
  if (display == kDisplayFailed) return FailGraphicsMode();
  if (display == kDisplayWindowInstead) GameOptions.fullscreen = 0;

  ReadInterfaceColors();
  gui_bg_color = GameOptions.background;
  ShowLoadingScreen();
  PresentWholePicture();
  set_color_conversion(ColorConversionFor(bitmap_color_depth(screen)));

  if (!LoadContent()) return 1;

  if (!CreateRenderBitmaps(SCREEN_W, SCREEN_H)) {
    CloseGameDisplay();
    set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
    TellUser("Not enough memory for the screen pictures.");
    return 1;
  }
  InstallScreenHooks();
  InstallCampaignHooks();
  SeedRandom(static_cast<uint32_t>(time(nullptr)));
  ResetQuest(true);
  FillSinTable();
  SetPictureMouseSprite(DataBitmap(kDataMousePointer));  // Allegro's own arrow when missing
  ExitRequest = 0;
  font = DataFontOr(kFontStandard);

  InstallDialogLook();
  MakeColors();
  InstallDisplayHooks();

  ShowTitlePicture(1);
  DrawScreen(1, 1, 0, 1);
  show_mouse(screen);
  PrintSystemLines();
  if (display == kDisplayWindowInstead) TellFullscreenRefused();

  if (questFile) EditRequestedQuest(questFile);

  RefreshMessages();
  Sys().Wait(30);
  RunMainMenu();

  Shutdown();
  return 0;
}
