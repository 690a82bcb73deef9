// The title pictures shown in the board area between quests.
#pragma once

// Shows one of the two title pictures, taking turns (the first call picks one at
// random), scaled smoothly over the whole board picture; the board view goes back to
// the whole board. Mode 1 only draws the board picture. Mode 2, used when a quest
// closes, does nothing once an exit is confirmed (ExitRequest 2); otherwise it prints
// "Closing Quest...", clears the panel and puts board and panel on the screen; panels
// dragged aside go back to their places first (the whole screen is then composed) and
// the four screen buttons are put at rest.
void ShowTitlePicture(int mode);
