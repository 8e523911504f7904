// WorkAreaSize: the desktop area not covered by task bars.
#include "dialog_layer/dialog_layer.h"

SIZE WorkAreaSize() {
  RECT area = {0, 0, 0, 0};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return {area.right - area.left, area.bottom - area.top};
}
