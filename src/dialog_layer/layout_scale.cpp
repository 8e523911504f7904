#include "dialog_layer/layout_scale.h"

#include <algorithm>
#include <limits>

namespace {

// numerator / denominator (denominator > 0) rounded to the nearest integer, halves to the even
// one. In whole numbers: no floating-point mode can change the result.
int64_t DivideRoundedToEven(int64_t numerator, int64_t denominator) {
  int64_t quotient = numerator / denominator;
  int64_t remainder = numerator % denominator;
  if (remainder < 0) {  // floor division
    --quotient;
    remainder += denominator;
  }
  if (2 * remainder > denominator) return quotient + 1;
  if (2 * remainder == denominator && quotient % 2 != 0) return quotient + 1;
  return quotient;
}

int64_t DivideRoundedUp(int64_t numerator, int64_t denominator) {
  int64_t quotient = numerator / denominator;
  return numerator % denominator > 0 ? quotient + 1 : quotient;
}

int Clamped(int64_t value) {
  return static_cast<int>(
      std::clamp<int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// A DPI the arithmetic can divide by; a platform that reports none gets 100 %.
int64_t UsableDpi(int dpi) {
  return dpi > 0 ? dpi : kLayoutDpi;
}

}  // namespace

int ScaleToDevice(int layoutPixels, int dpi) {
  return Clamped(DivideRoundedToEven(int64_t{layoutPixels} * UsableDpi(dpi), kLayoutDpi));
}

int ScaleToLayout(int devicePixels, int dpi) {
  return Clamped(DivideRoundedToEven(int64_t{devicePixels} * kLayoutDpi, UsableDpi(dpi)));
}

int ScaleExtentToLayout(int devicePixels, int dpi) {
  return Clamped(DivideRoundedUp(int64_t{devicePixels} * kLayoutDpi, UsableDpi(dpi)));
}

int RescaleExtent(int devicePixels, int fromDpi, int toDpi) {
  return Clamped(DivideRoundedUp(int64_t{devicePixels} * UsableDpi(toDpi), UsableDpi(fromDpi)));
}

LayoutRect ScaleRectToDevice(const LayoutRect& layout, int dpi) {
  int left = ScaleToDevice(layout.x, dpi);
  int top = ScaleToDevice(layout.y, dpi);
  int right = ScaleToDevice(Clamped(int64_t{layout.x} + layout.width), dpi);
  int bottom = ScaleToDevice(Clamped(int64_t{layout.y} + layout.height), dpi);
  return {left, top, Clamped(int64_t{right} - left), Clamped(int64_t{bottom} - top)};
}

int CentredStart(int low, int high, int size) {
  int64_t room = int64_t{low} + high - size;
  return room < 0 ? 0 : Clamped(room / 2);
}

int StartKeptInside(int start, int size, int low, int high) {
  int64_t latest = int64_t{high} - size;  // the last start at which the window still fits
  return Clamped(std::max<int64_t>(low, std::min<int64_t>(start, latest)));
}
