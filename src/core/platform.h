// The seam between the game and the machine: every wait, key and mouse read, alert
// and sample goes through here. The game runs on the Allegro implementation; tests
// install a scripted one so that turns and scripts run without pauses or a display.
#pragma once
#include <allegro.h>

class Platform {
 public:
  virtual ~Platform() = default;

  // Time.
  virtual void Wait(int ms) = 0;          // a fixed pause of the game's pacing
  virtual unsigned NowMs() = 0;           // process clock in milliseconds

  // Keyboard: readkey() style codes, (scancode << 8) | ascii.
  virtual bool KeyPressed() = 0;
  virtual int ReadKey() = 0;
  virtual void ClearKeys() = 0;
  virtual bool KeyDown(int scancode) = 0; // held-key state (key[])
  virtual int KeyShifts() = 0;            // key_shifts flags (KB_CTRL_FLAG ...)

  // Mouse.
  virtual int MouseX() = 0;
  virtual int MouseY() = 0;
  virtual int MouseZ() = 0;
  virtual int MouseButtons() = 0;

  // A yes/no question: three lines, two buttons with their shortcut keys.
  // Returns 1 for the first button, 2 for the second, negative when dismissed.
  virtual int Alert(const char* l1, const char* l2, const char* l3,
                    const char* b1, const char* b2, int k1, int k2) = 0;

  // Samples; a null sample is ignored.
  virtual void PlaySample(SAMPLE* s, int vol, int pan, int freq, int loop) = 0;
  virtual void AdjustSample(SAMPLE* s, int vol, int pan, int freq, int loop) = 0;
  virtual void StopSample(SAMPLE* s) = 0;
};

// The platform in force (the Allegro one unless a test installed another).
Platform& Sys();
void SetPlatform(Platform* p);

// The real thing: Allegro 4.
Platform* AllegroPlatform();

// The yes/no question box of the program, asked through the platform in force.
// Returns 1 for the first button, 2 for the second (any higher answer counts as 2),
// negative when the box was closed without a button.
int Alert(const char* l1, const char* l2, const char* l3, const char* b1, const char* b2,
          int k1, int k2);
// The real box on screen (the library's alert3 in the program's look, in the dialog
// font); used by the Allegro platform only. Negative when there is no screen.
int ShowAlertBox(const char* l1, const char* l2, const char* l3, const char* b1,
                 const char* b2, int k1, int k2);
