#include "app/failure.h"

#include "core/text.h"

namespace app {
namespace {

EntryFailure Boxed(const std::wstring& caption, const std::wstring& text, bool uninitFirst) {
  EntryFailure f;
  f.showBox = true;
  f.caption = caption;
  f.text = text;
  f.writeLog = true;
  f.logLine = L"Installer Error: " + text;
  f.uninitFirst = uninitFirst;
  return f;
}

EntryFailure FromText(const std::wstring& text) { return Boxed(L"Installer Error", text, false); }

EntryFailure FromInteger(int value) {
  switch (value) {
    case 1: return Boxed(L"Installer Error", L"pLogic->init", false);
    case 2: return Boxed(L"Installer Error", L"pLogic->run", true);
    case 3: {
      EntryFailure f;
      f.writeLog = true;
      f.logLine = L"Installer Error: 3";
      f.uninitFirst = true;
      return f;
    }
    default: return EntryFailure();
  }
}

}  // namespace

EntryFailure ClassifyFailure(std::exception_ptr thrown) {
  try {
    if (thrown) std::rethrow_exception(thrown);
    return EntryFailure();
  } catch (const wchar_t* text) {
    return FromText(text ? text : L"");
  } catch (const char* text) {
    return FromText(core::Utf8ToWide(text ? text : ""));
  } catch (const std::wstring& text) {
    return FromText(text);
  } catch (const std::string& text) {
    return FromText(core::Utf8ToWide(text));
  } catch (int value) {
    return FromInteger(value);
  } catch (...) {
    return Boxed(L"error", L"unknown", false);
  }
}

}  // namespace app
