// Reads back the resources built into quillet.exe: the version information that Explorer and
// the uninstall entry show, and the application manifest, parsed by the platform's own
// side-by-side loader (a manifest that the loader rejects keeps the program from starting).
#include <windows.h>

#include <gtest/gtest.h>
#include <objbase.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "quillet_version.h"

namespace {

// ctest names the program file in QUILLET_EXE. In the Linux cross build that is a Unix path,
// which Wine shows below drive Z:.
std::wstring QuilletExePath() {
  const char* named = std::getenv("QUILLET_EXE");
  if (named == nullptr) return L"";
  std::wstring path = (named[0] == '/') ? L"Z:" : L"";
  for (const char* c = named; *c != '\0'; ++c) path += (*c == '/') ? L'\\' : wchar_t(*c);
  return path;
}

std::vector<BYTE> ReadVersionBlock(const std::wstring& exe) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
  std::vector<BYTE> block(size);
  if (size == 0 || !GetFileVersionInfoW(exe.c_str(), 0, size, block.data())) block.clear();
  return block;
}

// The value under subBlock as text, or "(missing)".
std::wstring QueryVersionText(std::vector<BYTE>& block, const std::wstring& subBlock) {
  void* value = nullptr;
  UINT chars = 0;
  if (!VerQueryValueW(block.data(), subBlock.c_str(), &value, &chars) || chars == 0)
    return L"(missing)";
  return static_cast<const wchar_t*>(value);
}

// The fixed part of a version block; nullptr when it has none.
const VS_FIXEDFILEINFO* FixedVersion(std::vector<BYTE>& block) {
  void* fixed = nullptr;
  UINT bytes = 0;
  if (block.empty() || !VerQueryValueW(block.data(), L"\\", &fixed, &bytes) ||
      bytes < sizeof(VS_FIXEDFILEINFO))
    return nullptr;
  return static_cast<const VS_FIXEDFILEINFO*>(fixed);
}

// The string table that Explorer reads: the one named by the first translation entry.
std::wstring StringTablePath(std::vector<BYTE>& block) {
  void* value = nullptr;
  UINT bytes = 0;
  if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &value, &bytes) || bytes < 4)
    return L"(no translation)";
  const WORD* translation = static_cast<const WORD*>(value);
  wchar_t path[64];
  wsprintfW(path, L"\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);
  return path;
}

class VersionResource : public ::testing::Test {
 protected:
  void SetUp() override {
    block_ = ReadVersionBlock(QuilletExePath());
    ASSERT_FALSE(block_.empty()) << "no version resource in QUILLET_EXE";
  }
  std::vector<BYTE> block_;
};

// The four numbers of a fixed version written back as the version text they spell: the
// major, a dot and the two digits of the minor (9.8.7.0 is "9.87"), or "(not M.X.Y.0)".
std::string VersionTextOf(DWORD mostSignificant, DWORD leastSignificant) {
  const unsigned major = HIWORD(mostSignificant), tens = LOWORD(mostSignificant);
  const unsigned units = HIWORD(leastSignificant), last = LOWORD(leastSignificant);
  if (tens > 9 || units > 9 || last != 0) return "(not M.X.Y.0)";
  char text[16];
  std::snprintf(text, sizeof(text), "%u.%u%u", major, tens, units);
  return text;
}

TEST_F(VersionResource, FixedPartSpellsTheProjectVersionOfAnApplication) {
  const VS_FIXEDFILEINFO* fixed = FixedVersion(block_);
  ASSERT_NE(nullptr, fixed);
  EXPECT_EQ(0xFEEF04BDu, fixed->dwSignature);
  EXPECT_EQ(QUILLET_VERSION_TEXT, VersionTextOf(fixed->dwFileVersionMS, fixed->dwFileVersionLS));
  EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS);
  EXPECT_EQ(fixed->dwFileVersionLS, fixed->dwProductVersionLS);
  EXPECT_EQ(DWORD(VFT_APP), fixed->dwFileType);
  EXPECT_EQ(0u, fixed->dwFileFlags & fixed->dwFileFlagsMask) << "debug or pre-release flag set";
}

TEST_F(VersionResource, StringTableOfTheListedTranslationHoldsTheProductFields) {
  const std::wstring table = StringTablePath(block_);
  const std::wstring path = QuilletExePath();
  const std::wstring fileName = path.substr(path.find_last_of(L"\\/") + 1);
  struct Field {
    const wchar_t* name;
    const wchar_t* value;
  };
  const Field fields[] = {
      {L"ProductName", L"Quillet"},
      {L"CompanyName", L"Brelmont"},
      {L"FileVersion", L"" QUILLET_VERSION_TEXT},
      {L"ProductVersion", L"" QUILLET_VERSION_TEXT},
      {L"OriginalFilename", fileName.c_str()},
  };
  for (const Field& field : fields)
    EXPECT_EQ(field.value, QueryVersionText(block_, table + field.name)) << "field " << field.name;
  for (const wchar_t* name : {L"FileDescription", L"LegalCopyright"})
    EXPECT_NE(L"(missing)", QueryVersionText(block_, table + name)) << "field " << name;
}

// An activation context made from the manifest resource of quillet.exe, as the loader makes
// it when the program starts.
class Manifest : public ::testing::Test {
 protected:
  void SetUp() override {
    exe_ = QuilletExePath();
    ACTCTXW request = {};
    request.cbSize = sizeof(request);
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = exe_.c_str();
    request.lpResourceName = MAKEINTRESOURCEW(1);  // the process manifest
    context_ = CreateActCtxW(&request);
    ASSERT_NE(INVALID_HANDLE_VALUE, context_)
        << "the loader rejects the manifest of QUILLET_EXE, error " << GetLastError();
  }
  void TearDown() override {
    if (context_ != INVALID_HANDLE_VALUE) ReleaseActCtx(context_);
  }

  // The value of a windowsSettings element, or "(missing)".
  std::wstring WindowsSetting(const wchar_t* nameSpace, const wchar_t* name) const {
    wchar_t value[64] = {};
    SIZE_T written = 0;
    if (!QueryActCtxSettingsW(0, context_, nameSpace, name, value, ARRAYSIZE(value), &written))
      return L"(missing)";
    return value;
  }

  // The encoded identities of the context's assemblies: the program itself first, then its
  // dependencies; empty when the context cannot be read.
  std::vector<std::wstring> AssemblyIdentities() const {
    alignas(8) BYTE details[4096] = {};
    if (!QueryActCtxW(0, context_, nullptr, ActivationContextDetailedInformation, details,
                      sizeof(details), nullptr))
      return {};
    const DWORD count =
        reinterpret_cast<ACTIVATION_CONTEXT_DETAILED_INFORMATION*>(details)->ulAssemblyCount;
    std::vector<std::wstring> identities;
    for (DWORD index = 1; index <= count; ++index) {
      alignas(8) BYTE assembly[4096] = {};
      if (!QueryActCtxW(0, context_, &index, AssemblyDetailedInformationInActivationContext,
                        assembly, sizeof(assembly), nullptr))
        return {};
      identities.push_back(
          reinterpret_cast<ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(assembly)
              ->lpAssemblyEncodedAssemblyIdentity);
    }
    return identities;
  }

  std::wstring exe_;
  HANDLE context_ = INVALID_HANDLE_VALUE;
};

TEST_F(Manifest, NamesTheProgramWithTheVersionOfItsVersionResource) {
  std::vector<BYTE> block = ReadVersionBlock(exe_);
  const VS_FIXEDFILEINFO* fixed = FixedVersion(block);
  ASSERT_NE(nullptr, fixed) << "no version resource in QUILLET_EXE";
  wchar_t version[64];
  wsprintfW(version, L"version=\"%u.%u.%u.%u\"", HIWORD(fixed->dwFileVersionMS),
            LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
            LOWORD(fixed->dwFileVersionLS));
  const std::vector<std::wstring> identities = AssemblyIdentities();
  ASSERT_FALSE(identities.empty());
  EXPECT_EQ(0u, identities[0].find(L"Brelmont.Quillet,")) << identities[0];
  EXPECT_NE(std::wstring::npos, identities[0].find(version)) << identities[0];
}

TEST_F(Manifest, BindsCommonControlsVersion6) {
  const std::vector<std::wstring> all = AssemblyIdentities();
  ASSERT_FALSE(all.empty());
  const std::vector<std::wstring> identities(all.begin() + 1, all.end());
  ASSERT_EQ(1u, identities.size());
  EXPECT_EQ(0u, identities[0].find(L"Microsoft.Windows.Common-Controls,")) << identities[0];
  EXPECT_NE(std::wstring::npos, identities[0].find(L"version=\"6.")) << identities[0];
}

TEST_F(Manifest, RunsWithTheRightsOfItsUser) {
  ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION runLevel = {};
  ASSERT_TRUE(QueryActCtxW(0, context_, nullptr, RunlevelInformationInActivationContext, &runLevel,
                           sizeof(runLevel), nullptr));
  EXPECT_EQ(ACTCTX_RUN_LEVEL_AS_INVOKER, runLevel.RunLevel);
  EXPECT_EQ(0u, runLevel.UiAccess);
}

// The answer to the compatibility query as current systems and Wine give it; the MinGW
// headers describe an older form without MaxVersionTested.
struct CompatibilityElement {
  GUID id;
  ACTCTX_COMPATIBILITY_ELEMENT_TYPE type;
  ULONGLONG maxVersionTested;
};
struct CompatibilityInformation {
  DWORD count;
  CompatibilityElement elements[16];
};
static_assert(sizeof(CompatibilityElement) == 32, "element layout of the compatibility query");

TEST_F(Manifest, DeclaresWindows7To11AsSupported) {
  CompatibilityInformation compatibility = {};
  ASSERT_TRUE(QueryActCtxW(0, context_, nullptr, CompatibilityInformationInActivationContext,
                           &compatibility, sizeof(compatibility), nullptr));
  std::set<std::wstring> declared;
  for (DWORD i = 0; i < compatibility.count && i < 16; ++i) {
    if (compatibility.elements[i].type != ACTCTX_COMPATIBILITY_ELEMENT_TYPE_OS) continue;
    wchar_t text[40];
    StringFromGUID2(compatibility.elements[i].id, text, ARRAYSIZE(text));
    declared.insert(text);
  }
  const std::set<std::wstring> expected = {
      L"{35138B9A-5D96-4FBD-8E2D-A2440225F93A}",  // Windows 7
      L"{4A2F28E3-53B9-4441-BA9C-D69D4A4A6E38}",  // Windows 8
      L"{1F676C76-80E1-4239-95BB-83D0F6D0DA78}",  // Windows 8.1
      L"{8E0F7A12-BFB3-4FE8-B9A5-48FD50A15A9A}",  // Windows 10 and 11
  };
  EXPECT_EQ(expected, declared);
}

TEST_F(Manifest, IsAwareOfEachMonitorsScaleWithoutGdiScaling) {
  EXPECT_EQ(L"true/pm",
            WindowsSetting(L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"));
  EXPECT_EQ(
      L"PerMonitorV2, PerMonitor",
      WindowsSetting(L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"));
  EXPECT_EQ(L"(missing)", WindowsSetting(L"http://schemas.microsoft.com/SMI/2017/WindowsSettings",
                                         L"gdiScaling"));
}

}  // namespace
