// recorder: a stand-in shell handler for tests. Started by the shell, it
// appends its whole raw command line, as one line, to the file named by the
// RECORDER_LOG environment variable, so a test sees exactly what the shell
// passed. "recorder --register NAME..." makes it the "open" handler of each
// NAME in HKEY_CLASSES_ROOT: a file extension (".ext") or a URL scheme.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// Owns an open registry key.
class RegKey {
 public:
  RegKey(HKEY parent, const std::string& path) {
    if (RegCreateKeyExA(parent, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key_, nullptr) !=
        ERROR_SUCCESS) {
      key_ = nullptr;
    }
  }
  ~RegKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  bool Set(const char* name, const std::string& value) {
    return key_ != nullptr &&
           RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
  }

 private:
  HKEY key_ = nullptr;
};

bool Register(const std::string& name, const std::string& command) {
  if (!name.empty() && name[0] == '.') {
    const std::string fileClass = "recorder" + name.substr(1) + "file";
    return RegKey(HKEY_CLASSES_ROOT, name).Set(nullptr, fileClass) &&
           RegKey(HKEY_CLASSES_ROOT, fileClass + "\\shell\\open\\command").Set(nullptr, command);
  }
  return RegKey(HKEY_CLASSES_ROOT, name).Set("URL Protocol", "") &&
         RegKey(HKEY_CLASSES_ROOT, name + "\\shell\\open\\command").Set(nullptr, command);
}

int RegisterAll(int argc, char** argv) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string command = std::string("\"") + self + "\" \"%1\"";
  for (int i = 2; i < argc; ++i) {
    if (!Register(argv[i], command)) return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "--register") == 0) return RegisterAll(argc, argv);

  char log[MAX_PATH] = {};
  if (GetEnvironmentVariableA("RECORDER_LOG", log, MAX_PATH) == 0) return 2;
  // Several handlers may finish at once; a named mutex keeps their lines whole.
  const HANDLE mutex = CreateMutexA(nullptr, FALSE, "thornvale-recorder-log");
  if (mutex != nullptr) WaitForSingleObject(mutex, 5000);
  FILE* out = std::fopen(log, "ab");
  int status = 3;
  if (out != nullptr) {
    std::fprintf(out, "%s\n", GetCommandLineA());
    status = std::fclose(out) == 0 ? 0 : 3;
  }
  if (mutex != nullptr) {
    ReleaseMutex(mutex);
    CloseHandle(mutex);
  }
  return status;
}
