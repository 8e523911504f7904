// Test support: bounded waiting. Tests under Wine wait for a condition, never for a time.
#pragma once

#include <windows.h>

#include <functional>

// Dispatches every message waiting in this thread's queue.
void PumpMessages();

// Pumps this thread's messages until condition() holds or timeoutMs has passed; returns
// whether it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);
