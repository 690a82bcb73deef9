#include "ui/manual_reader.h"

int ShowManual() { return 1; }
