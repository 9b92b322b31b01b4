// The updater's entry point: one updater at a time, then the window and its
// message loop. The command line is not read.
#include <windows.h>

#include "platform/Application_win.h"
#include "platform/Exceptions.h"
#include "window/Form1.h"

namespace {
// No namespace prefix: the name is per session, as it always was.
const char* const kSingleInstanceMutex = "ZKW_SETUP";
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    TApplication application;

    SetLastError(ERROR_SUCCESS);
    const HANDLE instanceMutex = CreateMutexA(nullptr, TRUE, kSingleInstanceMutex);
    // Any error counts: another updater holds the name, or an object of
    // another kind does and the mutex could not be made. The handle is left
    // to the system, so the name stays taken until this process ends.
    if (GetLastError() != ERROR_SUCCESS) return 1;

    try {
        Application->Initialize();
        Application->CreateForm(Form1);
        Application->Run();
    } catch (...) {
        Application->HandleException();
    }

    ReleaseMutex(instanceMutex);
    return 0;
}
