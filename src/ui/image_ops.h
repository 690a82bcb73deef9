// Picture operations: the darkening blender and the smooth scaler.
#pragma once
#include <allegro.h>

// How much the darkening blender takes off a pixel's value (0..1).
extern float DarkenAmount;

// Blenders for set_blender_mode(): they darken the destination by DarkenAmount
// whatever colour is drawn.
unsigned long DarkenBlender24(unsigned long src, unsigned long dest, unsigned long n);
unsigned long DarkenBlender16(unsigned long src, unsigned long dest, unsigned long n);
// Selects the darkening blender for translucent drawing at the current colour depth.
// 15-bit screens get the same darkening through their own pixel layout.
void UseDarkenBlender(float amount);

// Bilinear sample of bmp at a fractional position (clamped to the bitmap).
int SampleBilinear(BITMAP* bmp, float fx, float fy);
// Smooth scaling of src into the rectangle (x, y, w, h) of dst; Mirrored flips left-right.
void StretchSmooth(BITMAP* src, BITMAP* dst, int x, int y, int w, int h);
void StretchSmoothMirrored(BITMAP* src, BITMAP* dst, int x, int y, int w, int h);
