// The five-line scrolling message panel beside the board: it draws the message log.
#pragma once
#include "core/message_log.h"

// Draws a new line of the log: scrolls the panel picture up by one line and writes
// the line at the bottom. Installed as the log's drawer.
void DrawMessageLine(const LoggedMessage& line);
// Redraws just the message area on the screen. Installed as the log's presenter.
void PresentMessages();
