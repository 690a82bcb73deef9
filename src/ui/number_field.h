// The number field of the editor's and the options dialogs: a slider with its value
// printed at its left.
//
// Item fields: d1 the limit, d2 the value. A limit of 100 or more counts in tens:
// the value runs 0..limit / 10 and is shown times ten (the caller stores value x 10);
// a smaller limit gives 0..limit shown as it is. dp an optional knob picture; dp2 an
// optional NumberFieldCallback called with (dp3, new value) after every change, its
// result added to the field's; D_USER (kNumberFieldSoundPreview) plays the sound
// effect of the value whenever the value changes.
#pragma once
#include <allegro.h>

constexpr int kNumberFieldSoundPreview = D_USER;

using NumberFieldCallback = int (*)(void* dp3, int value);

int NumberFieldProc(int msg, DIALOG* d, int c);

// The largest value of a field (limit / 10 when it counts in tens) and the number it
// shows for its value.
int NumberFieldLargest(const DIALOG* d);
int NumberFieldShown(const DIALOG* d);
