// The message log: the last lines the game printed for the player, with their colours.
// Any floor may print; the screen's message panel draws each line as it comes in.
#pragma once
#include "core/colors.h"

constexpr int kMessageLineSize = 90;  // a line holds at most 89 characters
constexpr int kMessageLogLines = 5;   // the panel shows five lines

struct LoggedMessage {
  char text[kMessageLineSize];
  ColorTriple color;
};

// The newest line's text.
extern char MessageBuffer[kMessageLineSize];

// Formats a line and adds it to the log (the oldest of the five drops out), then hands
// it to the message drawer when one is installed. The caller refreshes the screen.
void PrintMessage(const ColorTriple& color, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

// Line i of the log, 0 the newest; an empty line when fewer were printed.
const LoggedMessage& LoggedLine(int i);

// Puts the message panel on the screen now (loaders show their progress line by line).
void RefreshMessages();

// The screen shows the log: it draws each new line into its message panel and puts the
// panel on the screen when asked. Until it installs both (nullptr removes them),
// lines are only logged.
using MessageDrawer = void (*)(const LoggedMessage& line);
using MessagePresenter = void (*)();
void SetMessageDisplay(MessageDrawer drawer, MessagePresenter presenter);
