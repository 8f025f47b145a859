#include "logic/logic.h"

#include "core/config/executable_crc.h"

namespace logic {

bool CLogic::init(int rc, const std::wstring& rcArgument) {
  rc_ = rc;
  rcArgument_ = rcArgument;
  DecideRunMode(rc, rcArgument);
  return true;
}

void CLogic::DecideRunMode(int rc, const std::wstring& rcArgument) {
  runMode_ = logic::DecideRunMode(rc, rcArgument, core::ModulePath(), RegisteredFolders(), log_);
}

bool CLogic::run() {
  // The dialog and its message loop are not built yet: nothing to show.
  if (log_) log_->WriteLine(L"No dialog in this build; nothing to run");
  return true;
}

void CLogic::uninit() {}

}  // namespace logic
