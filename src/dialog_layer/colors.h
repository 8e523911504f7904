// Colours of dialogs and controls: the brushes behind real background colours and the answers
// to the WM_CTLCOLOR* messages.
#pragma once

#include "dialog_layer/dialog_layer.h"

// Deletes the brush of a real background colour once no record uses that colour any more.
void ReleaseBrushIfUnused(int32_t backgroundColor, HBRUSH brush);

// The answer to a WM_CTLCOLOR* message (WM_CTLCOLORMSGBOX to WM_CTLCOLORSTATIC) about window:
// the brush to paint with, or 0 so that the platform colours the window as usual.
INT_PTR AnswerControlColor(UINT message, HDC dc, HWND window);
