// The yes/no question box of the program.
#pragma once

// Asks through the platform seam. Returns 1 for the first button, 2 for the second
// (any higher answer counts as 2), negative when the box was closed without a button.
int Alert(const char* l1, const char* l2, const char* l3, const char* b1, const char* b2,
          int k1, int k2);

// The real box on screen (Allegro's alert3 in the program's look); used by the
// Allegro platform only.
int ShowAlertBox(const char* l1, const char* l2, const char* l3, const char* b1,
                 const char* b2, int k1, int k2);
