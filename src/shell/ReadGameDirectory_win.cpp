#include "platform/Registry_win.h"
#include "shell/GameDirectory.h"
#include "shell/ReadGameDirectory_win.h"

void ReadGameDirectory() {
    Win32Registry registry;
    ReadGameDirectory(registry);
}
