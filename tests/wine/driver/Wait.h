// Waiting for another process to do something. The updater runs on its own;
// the driver polls for the effect it expects, with a timeout that only
// guards against a hang.
#pragma once

#include <windows.h>

#include <functional>

#include "Process.h"

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kTimeoutMs);
