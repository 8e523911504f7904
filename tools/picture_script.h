// The protocol between a picture program and scripts/pictures.sh: the program writes the file
// <folder>\ready once its dialog is on the screen and ends the dialog when <folder>\done
// appears. Both waits are bounded; a program whose dialog never opened or was never released
// ends with exit code 1.
#pragma once

#include <string>

// Starts the script that holds the dialog whose caption is given: it reports it ready and,
// once the picture has been taken, ends it with the given button, or with the value 0 when
// buttonId is 0.
void StartPictureScript(const std::string& folder, const std::string& caption, int buttonId);
// Stops it; the exit code for main.
int FinishPictureScript();
