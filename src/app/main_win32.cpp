// GameReg.exe: the registry tool's window on the built-in form. It reads no
// command line and no environment.

#include <windows.h>

#include "app/form_description.h"
#include "app/program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return gamereg::RunProgram(gamereg::FormDescription());
}
