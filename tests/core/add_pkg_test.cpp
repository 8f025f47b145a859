#include "core/add_pkg.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace {

TEST(AddPkg, AddsAppendsAndReloads) {
  test::TempFolder folder;
  const std::wstring path = folder / L"addpkg.dat";
  core::CAddPkg pkg(path);
  ASSERT_TRUE(pkg.Load());  // no file yet
  EXPECT_TRUE(pkg.Names().empty());

  EXPECT_FALSE(pkg.Add(L"HD textures", false));
  EXPECT_FALSE(pkg.Add(L"Voices \u00e9\u0436", false));
  EXPECT_EQ(256u, test::ReadFileBytes(path).size());
  // Known names write nothing; lookups never write.
  EXPECT_TRUE(pkg.Add(L"HD textures", false));
  EXPECT_FALSE(pkg.Add(L"Music", true));
  EXPECT_EQ(256u, test::ReadFileBytes(path).size());

  std::string bytes = test::ReadFileBytes(path);
  EXPECT_EQ('H', bytes[0]);
  EXPECT_EQ(0, bytes[1]);
  EXPECT_EQ(std::string(128 - 22, '\0'), bytes.substr(22, 128 - 22));  // zero-filled

  core::CAddPkg again(path);
  ASSERT_TRUE(again.Load());
  EXPECT_EQ(pkg.Names(), again.Names());
  EXPECT_TRUE(again.Add(L"Voices \u00e9\u0436", true));
}

TEST(AddPkg, IgnoresFilesThatAreNotWholeRecords) {
  test::TempFolder folder;
  const std::wstring path = folder / L"addpkg.dat";
  ASSERT_TRUE(test::WriteFileBytes(path, std::string(200, 'x')));
  core::CAddPkg pkg(path);
  ASSERT_TRUE(pkg.Load());
  EXPECT_TRUE(pkg.Names().empty());
  pkg.Add(L"Music", false);  // known in memory, but the file is not appended to
  EXPECT_EQ(200u, test::ReadFileBytes(path).size());
}

TEST(AddPkg, RefusesNamesARecordCannotHoldAndMissingPath) {
  test::TempFolder folder;
  core::CAddPkg pkg(folder / L"addpkg.dat");
  ASSERT_TRUE(pkg.Load());
  EXPECT_FALSE(pkg.Add(std::wstring(64, L'n'), false));
  EXPECT_TRUE(pkg.Names().empty());
  EXPECT_FALSE(pkg.Add(std::wstring(63, L'n'), false));
  EXPECT_EQ(1u, pkg.Names().size());

  core::CAddPkg nowhere;
  EXPECT_FALSE(nowhere.Load());
}

}  // namespace
