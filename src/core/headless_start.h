// The command-line tools run the game's own code without a display: the library on
// memory bitmaps of 32 bits, the silent platform, the program folder's paths and the
// default settings.
#pragma once

// False (after saying so on the error output, prefixed with the tool's name) when the
// library cannot start.
bool StartHeadless(const char* tool, const char* argv0);
