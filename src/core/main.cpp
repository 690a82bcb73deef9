#include <allegro.h>

#include "core/startup.h"

int main(int argc, char** argv) { return RunProgram(argc, argv); }
END_OF_MAIN()
