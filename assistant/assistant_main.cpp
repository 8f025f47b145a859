#include "assistant/assistant_main.h"

namespace assistant {

int RunAssistant(HWND launcherWindow) {
  // The pipe server is not built yet; an assistant started now has nothing
  // to serve and ends at once.
  (void)launcherWindow;
  return 0;
}

}  // namespace assistant
