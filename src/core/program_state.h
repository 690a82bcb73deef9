// Program-wide state of the run: where the program lives, its version and the
// request to quit.
#pragma once

extern char ExePath[1024];    // full path of the executable
extern char SavesDir[1024];   // executable folder + "saves/"
extern char QuestsDir[1024];  // executable folder + "quests/"
extern char VersionString[11];
extern char VersionDate[11];

// 0 = none; 1 = the window's close button was pressed; 2 = the player confirmed
// "  Exit Dunmarrow?  " and every loop unwinds to the shutdown.
extern int ExitRequest;

// Fills ExePath, SavesDir and QuestsDir from the executable's path.
void InitProgramPaths(const char* exePath);
// The same for the command-line tools, which run without a display (Allegro cannot
// tell their path then): the path of the running program, else argv0.
void InitToolProgramPaths(const char* argv0);
// A file beside the executable: ExePath's folder + name, into out (size n).
void ProgramFile(char* out, int n, const char* name);

// Texts of the game are single bytes: quest and configuration files may hold any byte
// (a Latin-1 letter from an old editor, say), and the library must never read one as
// the start of a longer character that runs past a string's end. Call before Allegro
// is installed.
void UseSingleByteText();

// Asks "  Exit Dunmarrow?  " (OK / CANCEL); true when the player chose OK.
bool ConfirmExitProgram();
// 1 while that question is on the screen: the dialogs' exit watch asks no second one.
extern int ExitQuestionOpen;
