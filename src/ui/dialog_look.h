// Gives the library's own dialogs (alerts, the file selector, menus) the program's
// look by replacing their item procedures and drawing hooks.
#pragma once

void InstallDialogLook();
