// The five-line scrolling message log beside the board.
#pragma once
#include "ui/colors.h"

// The newest line's text (at most 89 characters).
extern char MessageBuffer[90];

// Formats a line, scrolls the log up by one line and writes it at the bottom.
// The caller refreshes the screen (DrawScreen with the message flag).
void PrintMessage(const ColorTriple& color, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
// Redraws just the message area on the screen.
void RefreshMessages();
