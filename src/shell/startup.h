// The program's life: start-up, the main menu, shutdown. Returns the exit code
// (0 after a normal run, 1 after a fatal start-up error).
#pragma once

int RunProgram(int argc, char** argv);

// The quest file a command-line argument names. Quest names are lower case, so the
// argument is lowered, unless a file of exactly that name exists: folders here tell
// upper from lower case.
void RequestedQuestPath(const char* argument, char* out, int n);

// Writes every setting and the Hall of Fame to the configuration file (ConfigPath).
// When that fails the previous file stays as it was and the player is told on the
// error output and in the window (an alert, so it is called while the window is open).
// Returns whether the file was written.
bool SaveSettings();

// A start-up failure told to the player when the screen is gone: the text goes to the
// error output and, on a desktop, into a message box of its own that does not hold up
// the program's exit. With DUNMARROW_NO_MESSAGE_BOX=1 in the environment (automated
// runs) only the error output gets it.
void TellUser(const char* text);

// The audio line of the start-up messages: the sound driver's name when sound is 1,
// "Disabled through dunmar.cfg." when it is off, nothing for the quiet setting 2 and
// above.
void PrintAudioLine();
