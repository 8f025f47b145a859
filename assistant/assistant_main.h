// The elevated assistant's side of the process.
#pragma once

#include <windows.h>

namespace assistant {

// The assistant's main loop, serving the launcher window that started it.
int RunAssistant(HWND launcherWindow);

}  // namespace assistant
