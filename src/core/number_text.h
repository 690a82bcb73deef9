// Numbers typed by a person (command-line arguments).
#pragma once

// A whole decimal number within [lo, hi] into out; false for anything else (empty,
// trailing characters, out of range), out then unchanged.
bool ParseWholeNumber(const char* text, long lo, long hi, long& out);
