#include "store/writer_choice.h"

#include "store/com.h"
#include "store/registry_values.h"
#include "store/wide_text.h"

namespace quillet {

namespace {

// What HKEY_CLASSES_ROOT says .vbs files open with.
bool VbsFilesOpen() {
  const ScopedRegistryKey extension = OpenSubkey(HKEY_CLASSES_ROOT, ".vbs", KEY_READ);
  const std::string type = extension ? ReadText(extension.Get(), nullptr).value_or("") : "";
  if (type.empty()) return false;
  const ScopedRegistryKey command = OpenSubkey(HKEY_CLASSES_ROOT, type + "\\shell\\open\\command", KEY_READ);
  return command && !ReadText(command.Get(), nullptr).value_or("").empty();
}

// An administrator can switch the Script Host off, for one user or for the machine.
bool ScriptHostSwitchedOff() {
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    const ScopedRegistryKey settings = OpenSubkey(root, "Software\\Microsoft\\Windows Script Host\\Settings", KEY_READ);
    if (!settings) continue;
    DWORD enabled = 1;
    DWORD size = sizeof enabled;
    char text[16] = {};
    DWORD textSize = sizeof text;
    if (RegGetValueA(settings.Get(), nullptr, "Enabled", RRF_RT_REG_DWORD, nullptr, &enabled, &size) ==
            ERROR_SUCCESS &&
        enabled == 0) {
      return true;
    }
    if (RegGetValueA(settings.Get(), nullptr, "Enabled", RRF_RT_REG_SZ, nullptr, text, &textSize) == ERROR_SUCCESS &&
        std::string(text) == "0") {
      return true;
    }
  }
  return false;
}

// The engine itself: registered, and its DLL there and loadable.
bool VBScriptEngineLoads() {
  const ComApartment com;
  const auto clsidFromProgId = SystemFunction<decltype(CLSIDFromProgID)>("ole32.dll", "CLSIDFromProgID");
  CLSID engine{};
  ComPointer<IUnknown> object;
  return clsidFromProgId && SUCCEEDED(clsidFromProgId(L"VBScript", &engine)) &&
         CreateComObject(engine, IID_IUnknown, object);
}

}  // namespace

bool WindowsRunsVBScript() { return VbsFilesOpen() && !ScriptHostSwitchedOff() && VBScriptEngineLoads(); }

const CommandWriter& WriterChoice::Chosen() const {
  if (!chosen_) chosen_ = WindowsRunsVBScript() ? static_cast<const CommandWriter*>(&scripts_) : &native_;
  return *chosen_;
}

}  // namespace quillet
