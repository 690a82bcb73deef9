#include "campaign/hall_of_fame_screen.h"

int UpdateHallOfFame() { return 0; }

void ShowHallOfFame() {}
