// Tells the desktop that quest files (".qst" and the chapter files ".q02" to ".q20")
// open in Dunmarrow: a shared-mime-info package and a desktop entry in the user's
// data folder ($XDG_DATA_HOME, else ~/.local/share), then the desktop's databases are
// refreshed where their tools exist. Nothing here may stop the game from starting.
#pragma once
#include <string>

// The MIME type given to quest files.
extern const char* const kQuestMimeType;

// The user's data folder without a trailing separator; false when neither
// $XDG_DATA_HOME (absolute) nor $HOME is set.
bool UserDataFolder(std::string* out);
// Text of mime/packages/dunmarrow.xml.
std::string QuestMimePackage();
// Text of applications/dunmarrow.desktop, starting exePath with the chosen file.
std::string QuestDesktopEntry(const char* exePath);

// Writes both files (each through a temporary name in its folder) and, when
// runDatabaseTools, starts update-mime-database and update-desktop-database in the
// background without waiting for them. Returns true when both files were written;
// false (quietly) otherwise, e.g. without a home folder or for an executable path
// that cannot be written into a desktop entry.
bool RegisterQuestFileType(const char* exePath, bool runDatabaseTools);
