#include "app/failure.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct Row {
  std::exception_ptr thrown;
  bool box;
  const wchar_t* caption;
  const wchar_t* text;
  const wchar_t* log;  // null: no log line
  bool uninitFirst;
};

TEST(EntryFailure, Table) {
  const Row rows[] = {
      {std::make_exception_ptr(L"Unable to create dialog"), true, L"Installer Error",
       L"Unable to create dialog", L"Installer Error: Unable to create dialog", false},
      {std::make_exception_ptr("config/launch"), true, L"Installer Error", L"config/launch",
       L"Installer Error: config/launch", false},
      {std::make_exception_ptr(std::wstring(L"theme: config/common")), true, L"Installer Error",
       L"theme: config/common", L"Installer Error: theme: config/common", false},
      {std::make_exception_ptr(1), true, L"Installer Error", L"pLogic->init",
       L"Installer Error: pLogic->init", false},
      {std::make_exception_ptr(2), true, L"Installer Error", L"pLogic->run",
       L"Installer Error: pLogic->run", true},
      {std::make_exception_ptr(3), false, L"", L"", L"Installer Error: 3", true},
      {std::make_exception_ptr(7), false, L"", L"", nullptr, false},
      {std::make_exception_ptr(std::runtime_error("x")), true, L"error", L"unknown",
       L"Installer Error: unknown", false},
      {std::make_exception_ptr(2.5), true, L"error", L"unknown", L"Installer Error: unknown", false},
  };
  int index = 0;
  for (const Row& row : rows) {
    SCOPED_TRACE(index++);
    app::EntryFailure f = app::ClassifyFailure(row.thrown);
    EXPECT_EQ(row.box, f.showBox);
    if (row.box) {
      EXPECT_EQ(std::wstring(row.caption), f.caption);
      EXPECT_EQ(std::wstring(row.text), f.text);
    }
    EXPECT_EQ(row.log != nullptr, f.writeLog);
    if (row.log) {
      EXPECT_EQ(std::wstring(row.log), f.logLine);
    }
    EXPECT_EQ(row.uninitFirst, f.uninitFirst);
  }
}

}  // namespace
