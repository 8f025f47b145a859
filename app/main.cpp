// Launcher.exe: the GUI entry point.
#include <windows.h>

#include <memory>

#include "app/entry.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  return app::RunEntry(commandLine ? commandLine : L"",
                       [] { return std::unique_ptr<logic::CLogic>(new logic::CLogic()); });
}
