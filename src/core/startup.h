// The program's life: start-up, the main menu, shutdown. Returns the exit code.
#pragma once

int RunProgram(int argc, char** argv);
