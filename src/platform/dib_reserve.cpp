#include "platform/dib_reserve.h"

#include <algorithm>

namespace corvanta {

namespace {

BOOL CALLBACK WidenToMonitor(HMONITOR monitor, HDC, RECT*, LPARAM result) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(monitor, &info)) {
    auto* size = reinterpret_cast<SIZE*>(result);
    size->cx = std::max(size->cx, info.rcMonitor.right - info.rcMonitor.left);
    size->cy = std::max(size->cy, info.rcMonitor.bottom - info.rcMonitor.top);
  }
  return TRUE;
}

void TouchEveryPage(uint32_t* bits, size_t bytes) {
  SYSTEM_INFO system{};
  GetSystemInfo(&system);
  const size_t pageWords = std::max<size_t>(system.dwPageSize, 4096) / sizeof(uint32_t);
  volatile uint32_t* words = bits;
  for (size_t i = 0; i < bytes / sizeof(uint32_t); i += pageWords) words[i] = 0;  // a write: a read maps the shared zero page
}

}  // namespace

DibSection MakeDibSection(int width, int height) {
  DibSection section;
  void* bits = nullptr;
  section.bitmap.Reset(CreateTopDownDib(width, height, &bits));
  if (!section.bitmap || bits == nullptr) return DibSection{};
  section.bits = static_cast<uint32_t*>(bits);
  section.width = width;
  section.height = height;
  return section;
}

SIZE LargestMonitorSize() {
  SIZE size{0, 0};
  EnumDisplayMonitors(nullptr, nullptr, &WidenToMonitor, reinterpret_cast<LPARAM>(&size));
  if (size.cx <= 0 || size.cy <= 0) size = SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return size;
}

DibReserve::DibReserve(int width, int height) : width_(width), height_(height) {
  if (width_ <= 0 || height_ <= 0) return;
  worker_ = CreateThread(nullptr, 0, &DibReserve::Prepare, this, CREATE_SUSPENDED, nullptr);
  if (worker_ == nullptr) return;
  SetThreadPriority(worker_, THREAD_PRIORITY_BELOW_NORMAL);  // start-up belongs to the windows
  ResumeThread(worker_);
}

DibReserve::~DibReserve() { WaitForWorker(); }

DWORD WINAPI DibReserve::Prepare(void* parameter) {
  auto* reserve = static_cast<DibReserve*>(parameter);
  DibSection section = MakeDibSection(reserve->width_, reserve->height_);
  if (section.bits != nullptr) {
    TouchEveryPage(section.bits, static_cast<size_t>(section.width) * static_cast<size_t>(section.height) * 4);
  }
  reserve->section_ = std::move(section);
  return 0;
}

void DibReserve::WaitForWorker() {
  if (worker_ == nullptr) return;
  WaitForSingleObject(worker_, INFINITE);
  CloseHandle(worker_);
  worker_ = nullptr;
}

std::optional<DibSection> DibReserve::Take(int width, int height) {
  WaitForWorker();
  DibSection section = std::move(section_);
  section_ = DibSection{};
  if (!section.bitmap || width > section.width || height > section.height) return std::nullopt;
  return section;
}

bool DibReserve::Holds() {
  WaitForWorker();
  return static_cast<bool>(section_.bitmap);
}

}  // namespace corvanta
