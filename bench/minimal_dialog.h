// The minimal Win32 program that the start-up benchmark compares quillet.exe with.
#pragma once

// The caption of its one dialog, by which the benchmark finds it.
constexpr char kMinimalDialogCaption[] = "Minimal dialog";
