#include "rules/play_hooks.h"

PlayHooks PlayHook;
