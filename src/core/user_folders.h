// Where the settings, quests and saved games go. A program folder the player can
// write keeps everything (dunmar.cfg, quests/, saves/) as it always did. An installed
// game, whose folder cannot be written, keeps the settings in the user's configuration
// folder ($XDG_CONFIG_HOME/dunmarrow, else ~/.config/dunmarrow) and quests and saves in
// the user's data folder ($XDG_DATA_HOME/dunmarrow, else ~/.local/share/dunmarrow);
// the quests shipped with the game are linked into the user's quests folder, so the
// file dialogs list them beside the player's own.
#pragma once
#include <string>

struct ProgramFolders {
  std::string configFile;  // dunmar.cfg
  std::string questsDir;   // with a trailing separator
  std::string savesDir;    // with a trailing separator
  bool inUserFolders;      // true when the user's folders are used
};

// The choice, from the program folder (with or without a trailing separator), whether
// it can be written, and the environment's XDG_CONFIG_HOME, XDG_DATA_HOME and HOME
// (nullptr when unset; relative values are ignored, as the XDG rules say). A program
// folder that cannot be written and no home to go to keeps the program folder.
ProgramFolders ChooseProgramFolders(const char* programDir, bool programDirWritable,
                                    const char* xdgConfigHome, const char* xdgDataHome,
                                    const char* home);

// Makes a folder and its parents; true when it exists afterwards.
bool MakeFolderPath(const std::string& path);

// Links every file of shippedDir that userDir has no file of the same name for (a
// link the player removed comes back at the next start; his own file of that name
// stays). Returns the number of links made.
int LinkShippedQuests(const std::string& shippedDir, const std::string& userDir);

// For the game: chooses with the real program folder (ExePath) and environment,
// creates the user's folders when they are used, links the shipped quests, and sets
// QuestsDir and SavesDir. Writes the path of dunmar.cfg into cfg (size n).
void SetUpProgramFolders(char* cfg, int n);
