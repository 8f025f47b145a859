// What the entry does with an error thrown out of init or run.
#pragma once

#include <exception>
#include <string>

namespace app {

struct EntryFailure {
  bool showBox = false;
  std::wstring caption;
  std::wstring text;
  bool writeLog = false;
  std::wstring logLine;
  bool uninitFirst = false;  // uninit before the teardown
};

// Texts (wide or narrow), integers and anything else, as the entry handles
// them. Never throws.
EntryFailure ClassifyFailure(std::exception_ptr thrown);

}  // namespace app
