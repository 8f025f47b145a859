// The process entry: parse, the /crc and /assistant exits, then CLogic
// through preinit, init, run and uninit.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "logic/logic.h"

namespace app {

using LogicFactory = std::function<std::unique_ptr<logic::CLogic>()>;

// Returns the process exit code: 0, or 1 when CLogic cannot be created.
int RunEntry(const std::wstring& commandLine, const LogicFactory& createLogic);

// The message sent to the launcher window when the assistant is not elevated.
const UINT kAssistantNotElevatedMessage = WM_USER + 1302;

// The uninstaller's single-instance mutex.
extern const char kUninstallerMutexName[];

// "%d.%d.%d.%d" from the version resource of the running executable.
std::wstring ExecutableVersion();

}  // namespace app
