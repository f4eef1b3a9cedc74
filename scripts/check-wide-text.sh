#!/usr/bin/env bash
# The window code (src/ outside src/platform/) hands text to Windows only through the wide ("W") functions,
# converted from GBK with code page 936, so that it reads right on every display language. This check lists
# every use of an ANSI text function, structure, message or class name there, and the generic names that
# become ANSI ones while the build does not define UNICODE.
# Prints the offending lines and one line "== wide-text: N passed, M failed" (one check).
set -uo pipefail
cd "$(dirname "$0")/.."

# Functions whose ANSI variant is the base name + "A".
text_api='SendMessage|SendMessageTimeout|SendDlgItemMessage|PostMessage|PostThreadMessage|GetMessage|PeekMessage|DispatchMessage|IsDialogMessage|TranslateAccelerator|DefWindowProc|CallWindowProc|DefDlgProc|CreateWindowEx|CreateWindow|CreateDialogParam|DialogBoxParam|RegisterClassEx|RegisterClass|UnregisterClass|GetClassInfoEx|GetClassInfo|GetClassName|SetWindowText|GetWindowText|GetWindowTextLength|SetDlgItemText|GetDlgItemText|MessageBox|MessageBoxEx|FindWindowEx|FindWindow|SetWindowLongPtr|GetWindowLongPtr|SetWindowLong|GetWindowLong|SetClassLongPtr|GetClassLongPtr|SetProp|GetProp|RemoveProp|RegisterWindowMessage|LoadIcon|LoadCursor|LoadImage|LoadBitmap|LoadString|LoadMenu|LoadAccelerators|CreateAcceleratorTable|AppendMenu|InsertMenu|ModifyMenu|InsertMenuItem|SetMenuItemInfo|GetMenuItemInfo|GetMenuString|CreateFont|CreateFontIndirect|GetObject|TextOut|ExtTextOut|DrawText|DrawTextEx|GetTextExtentPoint32|GetTextExtentPoint|GetTextMetrics|GetTextFace|EnumFontFamiliesEx|CreateDC|ShellExecute|ShellExecuteEx|Shell_NotifyIcon|ExtractIcon|ExtractIconEx|SHFileOperation|SHBrowseForFolder|SHGetPathFromIDList|SHGetFolderPath|GetOpenFileName|GetSaveFileName|ChooseColor|CreateFile|DeleteFile|CopyFile|MoveFile|MoveFileEx|FindFirstFile|FindFirstFileEx|FindNextFile|GetFileAttributes|GetFileAttributesEx|SetFileAttributes|CreateDirectory|RemoveDirectory|GetModuleFileName|GetModuleHandle|LoadLibrary|LoadLibraryEx|GetCurrentDirectory|SetCurrentDirectory|GetFullPathName|GetTempPath|GetTempFileName|GetPrivateProfileString|GetPrivateProfileInt|GetPrivateProfileSection|WritePrivateProfileString|WritePrivateProfileSection|CreateProcess|CreateEvent|CreateMutex|OutputDebugString|GetEnvironmentVariable|ExpandEnvironmentStrings|SystemParametersInfo|EnumDisplaySettings|EnumDisplayDevices|GetMonitorInfo|GetKeyNameText|MapVirtualKey|VkKeyScan|CharUpper|CharLower|CharNext|CharPrev|wsprintf|wvsprintf|lstrcpy|lstrcpyn|lstrcat|lstrlen|lstrcmp|lstrcmpi|InternetOpen|InternetOpenUrl|URLDownloadToFile|MAKEINTRESOURCE'
# Structures whose ANSI variant is the base name + "A".
text_structs='WNDCLASSEX|WNDCLASS|NOTIFYICONDATA|MENUITEMINFO|LVITEM|LV_ITEM|LVCOLUMN|LV_COLUMN|LVFINDINFO|NMLVDISPINFO|TTTOOLINFO|TOOLINFO|NMTTDISPINFO|HDITEM|TCITEM|TVITEM|TVINSERTSTRUCT|LOGFONT|TEXTMETRIC|NONCLIENTMETRICS|WIN32_FIND_DATA|OPENFILENAME|SHELLEXECUTEINFO|MONITORINFOEX|CHOOSECOLOR|BROWSEINFO'
# Messages, notifications and class names of the common controls whose ANSI variant ends in "A".
control_text='LVM_[A-Z_]+|LVN_[A-Z_]+|TTM_[A-Z_]+|TTN_[A-Z_]+|HDM_[A-Z_]+|HDN_[A-Z_]+|TCM_[A-Z_]+|TVM_[A-Z_]+|TB_[A-Z_]+|SB_[A-Z_]+|WC_[A-Z_]+|TRACKBAR_CLASS|TOOLTIPS_CLASS|STATUSCLASSNAME|UPDOWN_CLASS|PROGRESS_CLASS|ANIMATE_CLASS|HOTKEY_CLASS'
# The text-carrying common-control macros, which send the generic (ANSI without UNICODE) messages.
control_macros='ListView_(InsertItem|SetItem|GetItem|SetItemText|GetItemText|InsertColumn|SetColumn|GetColumn|FindItem|GetStringWidth|EditLabel|GetISearchString)|Header_(InsertItem|SetItem|GetItem)|TabCtrl_(InsertItem|SetItem|GetItem)|TreeView_(InsertItem|SetItem|GetItem)|(Button|Edit|Static|Window)_(SetText|GetText)'

ansi="\\b(($text_api|$text_structs)A|($control_text)A)\\b"
# Generic names: a call (not of a member function of our own), a structure, a message or a class name.
generic_messages='(LVM|LVN|TTM|TTN|HDM|TCM)_(INSERTITEM|SETITEM|GETITEM|SETITEMTEXT|GETITEMTEXT|INSERTCOLUMN|SETCOLUMN|GETCOLUMN|FINDITEM|GETSTRINGWIDTH|EDITLABEL|GETDISPINFO|SETDISPINFO|ADDTOOL|DELTOOL|UPDATETIPTEXT|SETTITLE|SETTOOLINFO|GETTOOLINFO|GETTEXT|NEEDTEXT|NEWTOOLRECT|HITTEST|ENUMTOOLS|GETCURRENTTOOL)'
generic="(?<![\\w.>:])(::)?($text_api|$control_macros)\\s*\\(|\\b($text_structs|$generic_messages|WC_[A-Z]+(?<![AW])|TRACKBAR_CLASS|TOOLTIPS_CLASS|STATUSCLASSNAME)\\b"
pattern="$ansi"
# With UNICODE defined the generic names are the wide ones.
if ! grep -qsE '\b_?UNICODE\b' CMakeLists.txt src/CMakeLists.txt; then pattern="$ansi|$generic"; fi

offending=0
while IFS= read -r -d '' file; do
  # Comments are not calls: drop them, keeping the line numbers.
  hits=$(sed -E 's://.*$::' "$file" | grep -nP "$pattern")
  if [ -n "$hits" ]; then
    while IFS= read -r hit; do
      line="${hit%%:*}"
      echo "$file:$line: $(sed -n "${line}p" "$file" | sed -E 's/^ +//')"
      offending=$((offending + 1))
    done <<<"$hits"
  fi
done < <(find src -path src/platform -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)

if [ "$offending" -eq 0 ]; then
  echo "== wide-text: 1 passed, 0 failed"
else
  echo "$offending lines of the window code use ANSI text functions (use the wide ones, text via ToWide)"
  echo "== wide-text: 0 passed, 1 failed"
  exit 1
fi
