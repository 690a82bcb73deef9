#include "ui/dialog_layout.h"

// The main menu's values until a dialog sets its own.
DialogLayoutValues DialogLayout = {234, 206, 124, 242, 100, 22, 6, 16};
