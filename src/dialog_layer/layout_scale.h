// The arithmetic of the display scale: the program's layout is written in layout pixels, pixels
// at 96 DPI (100 %), and the dialog layer turns them into the device pixels of a window's DPI
// and back. Also where a window goes when it is centred on an area or kept inside one.
// Portable: no platform types, so the rounding is tested natively.
#pragma once

#include <cstdint>

// The DPI at which a layout pixel is a device pixel.
constexpr int kLayoutDpi = 96;

// Layout pixels in device pixels at dpi: layout x dpi / 96, rounded to the nearest integer,
// halves to the even neighbour. At 96 DPI every number stays as it is.
int ScaleToDevice(int layoutPixels, int dpi);
// Device pixels at dpi back in layout pixels, rounded to the nearest integer, halves to the even
// neighbour. For every dpi of 96 and more, ScaleToLayout(ScaleToDevice(n, dpi), dpi) == n.
int ScaleToLayout(int devicePixels, int dpi);
// A measured extent (a text's width or height) in layout pixels, rounded up: a control given
// that extent is, at that dpi, at least as large as what was measured.
int ScaleExtentToLayout(int devicePixels, int dpi);

// A measured extent in device pixels at fromDpi in device pixels at toDpi, rounded up.
int RescaleExtent(int devicePixels, int fromDpi, int toDpi);

// A rectangle by its corner and size.
struct LayoutRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};
// The rectangle in device pixels with each edge scaled, so that rectangles that touch in the
// layout touch on the screen too, never overlapping and never leaving a gap; width and height
// are then within one pixel of the scaled width and height.
LayoutRect ScaleRectToDevice(const LayoutRect& layout, int dpi);

// Where a window of the given size starts when it is centred between low and high:
// (low + high - size) / 2 rounded down, or 0 when that is negative.
int CentredStart(int low, int high, int size);
// Where a window of the given size that starts at start starts when it is moved between low and
// high as little as it takes to lie inside; one too large to fit starts at low.
int StartKeptInside(int start, int size, int low, int high);
