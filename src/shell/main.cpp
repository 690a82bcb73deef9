#include <allegro.h>

#include "shell/startup.h"

int main(int argc, char** argv) { return RunProgram(argc, argv); }
END_OF_MAIN()
