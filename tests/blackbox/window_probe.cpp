// A helper program for the black-box runs: prints a top-level window of another process as JSON (UTF-8),
// read through the wide functions only, so the output does not depend on the ANSI code page.
//   window_probe [--class NAME | --title PATTERN | --hwnd HEX] [--wait SECONDS]
//   window_probe --all
// The default is --class CorvantaMainWindow. PATTERN matches a caption containing it, or starting with
// it when it begins with '^'. --wait polls until the window exists. Prints nothing and exits with 1
// when there is no such window.
// Output: hwnd, class, caption (GetWindowTextW), visible, enabled, style, exstyle, dpi (GetDpiForWindow,
// null where Windows lacks it), window and client rectangles in screen coordinates, owner (GW_OWNER),
// pid, layered (colour key, alpha and flags of GetLayeredWindowAttributes, or null), next (the next
// visible top-level window in Z order: hwnd and class, or null), gui (the active, focus and capture
// windows of the window's thread, GetGUIThreadInfo) and the direct children: class, id, text
// (WM_GETTEXT), visible, rect in the parent's client coordinates; a list view child also has its columns
// (text, width), items (texts per column, selected) and the height of a row.
// --all prints {"foreground": hwnd, "windows": [...]}: every top-level window that is visible or whose
// class begins with "Corvanta", top of the Z order first, each as above (children only for the latter).
#include <windows.h>
#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr int kTextCapacity = 1024;  // characters, for every text read from the window's process

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string out(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
  return out;
}

std::string Quoted(const std::wstring& text) {
  std::string out = "\"";
  for (char c : Utf8(text)) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      char escape[8];
      snprintf(escape, sizeof(escape), "\\u%04x", byte);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Rect(const RECT& r) {
  char text[96];
  snprintf(text, sizeof(text), "[%ld, %ld, %ld, %ld]", r.left, r.top, r.right, r.bottom);
  return text;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[256] = {};
  GetClassNameW(hwnd, name, 256);
  return name;
}

std::wstring ControlText(HWND hwnd) {
  std::vector<wchar_t> text(kTextCapacity, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(hwnd, WM_GETTEXT, kTextCapacity, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                      2000, &copied);
  return std::wstring(text.data(), wcsnlen(text.data(), kTextCapacity));
}

// Memory in the list view's own process: the message structure first, then its text buffer.
class RemoteBuffer {
 public:
  explicit RemoteBuffer(HWND owner) {
    DWORD pid = 0;
    GetWindowThreadProcessId(owner, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_ != nullptr) {
      base_ = static_cast<char*>(VirtualAllocEx(process_, nullptr, kSize, MEM_COMMIT, PAGE_READWRITE));
    }
  }
  ~RemoteBuffer() {
    if (base_ != nullptr) VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
    if (process_ != nullptr) CloseHandle(process_);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  bool Ok() const { return base_ != nullptr; }
  LPARAM Header() const { return reinterpret_cast<LPARAM>(base_); }
  wchar_t* Text() const { return reinterpret_cast<wchar_t*>(base_ + kTextOffset); }

  template <typename T>
  bool Put(const T& header) const {
    static_assert(sizeof(T) <= kTextOffset);
    const wchar_t empty = L'\0';
    return WriteProcessMemory(process_, base_, &header, sizeof(T), nullptr) &&
           WriteProcessMemory(process_, Text(), &empty, sizeof(empty), nullptr);
  }
  template <typename T>
  T Get() const {
    T header{};
    ReadProcessMemory(process_, base_, &header, sizeof(T), nullptr);
    return header;
  }
  std::wstring ReadText() const {
    std::vector<wchar_t> text(kTextCapacity, L'\0');
    ReadProcessMemory(process_, Text(), text.data(), kTextCapacity * sizeof(wchar_t), nullptr);
    return std::wstring(text.data(), wcsnlen(text.data(), kTextCapacity));
  }

 private:
  static constexpr size_t kTextOffset = 256;
  static constexpr size_t kSize = kTextOffset + kTextCapacity * sizeof(wchar_t);
  HANDLE process_ = nullptr;
  char* base_ = nullptr;
};

std::string ListViewJson(HWND list) {
  RemoteBuffer remote(list);
  if (!remote.Ok()) return ", \"columns\": null, \"items\": null";
  std::string out = ", \"columns\": [";
  int columns = 0;
  for (;; ++columns) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = remote.Text();
    column.cchTextMax = kTextCapacity;
    if (!remote.Put(column) || !SendMessageW(list, LVM_GETCOLUMNW, columns, remote.Header())) break;
    const int width = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, columns, 0));
    out += (columns ? ", " : "") + std::string("{\"text\": ") + Quoted(remote.ReadText()) +
           ", \"width\": " + std::to_string(width) + "}";
  }
  out += "], \"items\": [";
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    out += i ? ", {\"texts\": [" : "{\"texts\": [";
    for (int sub = 0; sub < columns; ++sub) {
      LVITEMW item{};
      item.iSubItem = sub;
      item.pszText = remote.Text();
      item.cchTextMax = kTextCapacity;
      std::wstring text;
      if (remote.Put(item)) {
        SendMessageW(list, LVM_GETITEMTEXTW, i, remote.Header());
        text = remote.ReadText();
      }
      out += (sub ? ", " : "") + Quoted(text);
    }
    const bool selected = SendMessageW(list, LVM_GETITEMSTATE, i, LVIS_SELECTED) & LVIS_SELECTED;
    out += std::string("], \"selected\": ") + (selected ? "true" : "false") + "}";
  }
  RECT row{LVIR_BOUNDS, 0, 0, 0};
  if (count > 0 && remote.Put(row) && SendMessageW(list, LVM_GETITEMRECT, 0, remote.Header())) {
    row = remote.Get<RECT>();
    return out + "], \"itemHeight\": " + std::to_string(row.bottom - row.top);
  }
  return out + "], \"itemHeight\": null";
}

std::string ChildJson(HWND parent, HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  const std::wstring className = ClassOf(child);
  std::string out = "{\"class\": " + Quoted(className) + ", \"id\": " + std::to_string(GetDlgCtrlID(child)) +
                    ", \"text\": " + Quoted(ControlText(child)) +
                    ", \"visible\": " + (IsWindowVisible(child) ? "true" : "false") + ", \"rect\": " + Rect(r);
  if (_wcsicmp(className.c_str(), WC_LISTVIEWW) == 0) out += ListViewJson(child);
  return out + "}";
}

std::string DpiJson(HWND hwnd) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  auto getDpi = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  return getDpi ? std::to_string(getDpi(hwnd)) : "null";
}

std::string Handle(HWND hwnd) {
  if (hwnd == nullptr) return "null";
  char text[32];
  snprintf(text, sizeof(text), "\"0x%llx\"", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hwnd)));
  return text;
}

std::string LayeredJson(HWND hwnd) {
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) || !GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags)) {
    return "null";
  }
  return "{\"key\": " + std::to_string(key) + ", \"alpha\": " + std::to_string(alpha) +
         ", \"flags\": " + std::to_string(flags) + "}";
}

std::string NextJson(HWND hwnd) {
  HWND next = GetWindow(hwnd, GW_HWNDNEXT);
  while (next != nullptr && !IsWindowVisible(next)) next = GetWindow(next, GW_HWNDNEXT);
  if (next == nullptr) return "null";
  return "{\"hwnd\": " + Handle(next) + ", \"class\": " + Quoted(ClassOf(next)) + "}";
}

std::string GuiJson(HWND hwnd) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info)) return "null";
  return "{\"active\": " + Handle(info.hwndActive) + ", \"focus\": " + Handle(info.hwndFocus) +
         ", \"capture\": " + Handle(info.hwndCapture) + "}";
}

std::string WindowJson(HWND hwnd, bool withChildren = true) {
  std::vector<wchar_t> caption(kTextCapacity, L'\0');
  GetWindowTextW(hwnd, caption.data(), kTextCapacity);
  RECT window{}, client{};
  GetWindowRect(hwnd, &window);
  GetClientRect(hwnd, &client);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  std::string out = std::string("{\"hwnd\": ") + Handle(hwnd) + ", \"class\": " + Quoted(ClassOf(hwnd)) +
                    ", \"caption\": " + Quoted(caption.data()) +
                    ", \"visible\": " + (IsWindowVisible(hwnd) ? "true" : "false") +
                    ", \"enabled\": " + (IsWindowEnabled(hwnd) ? "true" : "false") +
                    ", \"style\": " + std::to_string(static_cast<unsigned long>(GetWindowLongW(hwnd, GWL_STYLE))) +
                    ", \"exstyle\": " + std::to_string(static_cast<unsigned long>(GetWindowLongW(hwnd, GWL_EXSTYLE))) +
                    ", \"dpi\": " + DpiJson(hwnd) + ", \"window\": " + Rect(window) + ", \"client\": " + Rect(client) +
                    ", \"owner\": " + Handle(GetWindow(hwnd, GW_OWNER)) + ", \"pid\": " + std::to_string(pid) +
                    ", \"layered\": " + LayeredJson(hwnd) + ", \"next\": " + NextJson(hwnd) +
                    ", \"gui\": " + GuiJson(hwnd) + ",\n \"children\": [";
  bool first = true;
  for (HWND child = withChildren ? GetWindow(hwnd, GW_CHILD) : nullptr; child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    out += (first ? "\n  " : ",\n  ") + ChildJson(hwnd, child);
    first = false;
  }
  return out + "]}\n";
}

struct TitleSearch {
  std::wstring pattern;
  HWND found = nullptr;
};

BOOL CALLBACK MatchTitle(HWND hwnd, LPARAM lParam) {
  auto* search = reinterpret_cast<TitleSearch*>(lParam);
  wchar_t caption[kTextCapacity] = {};
  GetWindowTextW(hwnd, caption, kTextCapacity);
  const std::wstring text = caption;
  const bool prefix = !search->pattern.empty() && search->pattern[0] == L'^';
  const bool match = prefix ? text.rfind(search->pattern.substr(1), 0) == 0
                            : text.find(search->pattern) != std::wstring::npos;
  if (!match) return TRUE;
  search->found = hwnd;
  return FALSE;
}

BOOL CALLBACK AddListed(HWND hwnd, LPARAM lParam) {
  auto* out = reinterpret_cast<std::string*>(lParam);
  const std::wstring className = ClassOf(hwnd);
  const bool ours = wcsncmp(className.c_str(), L"Corvanta", 8) == 0;
  if (!ours && !IsWindowVisible(hwnd)) return TRUE;
  *out += (out->back() == '[' ? "\n" : ",\n") + WindowJson(hwnd, ours);
  return TRUE;
}

// Every window a check of the whole screen needs, in Z order.
std::string AllWindowsJson() {
  std::string out = "{\"foreground\": " + Handle(GetForegroundWindow()) + ", \"windows\": [";
  EnumWindows(AddListed, reinterpret_cast<LPARAM>(&out));
  return out + "]}\n";
}

enum class Lookup { kClass, kTitle, kHandle };

HWND Find(Lookup lookup, const std::wstring& key) {
  if (lookup == Lookup::kClass) return FindWindowW(key.c_str(), nullptr);
  if (lookup == Lookup::kHandle) {
    HWND hwnd = reinterpret_cast<HWND>(static_cast<UINT_PTR>(wcstoull(key.c_str(), nullptr, 16)));
    return IsWindow(hwnd) ? hwnd : nullptr;
  }
  TitleSearch search{key};
  EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Window rectangles in physical pixels, whatever the awareness of the window that is read.
void BecomeDpiAware() {
  using SetContextFn = BOOL(WINAPI*)(HANDLE);
  auto setContext = reinterpret_cast<SetContextFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")));
  const auto perMonitorV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
  if (setContext == nullptr || !setContext(perMonitorV2)) SetProcessDPIAware();
}

int Usage() {
  fprintf(stderr, "usage: window_probe [--class NAME | --title PATTERN | --hwnd HEX] [--wait SECONDS] | --all\n");
  return 2;
}

}  // namespace

int main() {
  BecomeDpiAware();
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  Lookup lookup = Lookup::kClass;
  std::wstring key = L"CorvantaMainWindow";
  double waitSeconds = 0;
  _setmode(_fileno(stdout), _O_BINARY);
  if (argc == 2 && std::wstring(argv[1]) == L"--all") {
    const std::string json = AllWindowsJson();
    fwrite(json.data(), 1, json.size(), stdout);
    fflush(stdout);
    return 0;
  }
  for (int i = 1; i < argc; ++i) {
    const std::wstring option = argv[i];
    if (i + 1 >= argc) return Usage();
    const wchar_t* value = argv[++i];
    if (option == L"--class") {
      lookup = Lookup::kClass;
      key = value;
    } else if (option == L"--title") {
      lookup = Lookup::kTitle;
      key = value;
    } else if (option == L"--hwnd") {
      lookup = Lookup::kHandle;
      key = value;
    } else if (option == L"--wait") {
      waitSeconds = _wtof(value);
    } else {
      return Usage();
    }
  }
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(waitSeconds * 1000);
  HWND hwnd = Find(lookup, key);
  while (hwnd == nullptr && GetTickCount64() < deadline) {
    Sleep(100);
    hwnd = Find(lookup, key);
  }
  if (hwnd == nullptr) return 1;
  const std::string json = WindowJson(hwnd);
  fwrite(json.data(), 1, json.size(), stdout);
  fflush(stdout);
  return 0;
}
