// A 32-bpp top-down DIB section made ahead of need on a worker thread, with every page of its memory
// written once. The first touch of fresh memory costs the system a page fault per page, many times
// more than filling the same memory again, so whoever takes the section later draws into memory that
// is already in place.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "platform/gdi.h"

namespace corvanta {

struct DibSection {
  ScopedBitmap bitmap;
  uint32_t* bits = nullptr;  // the first (top) row
  int width = 0;
  int height = 0;
};

// A width x height section with fresh memory; no bitmap when it cannot be made.
DibSection MakeDibSection(int width, int height);

// The width of the widest monitor by the height of the tallest: a reserve of this size holds the
// surface of any window that lies within one monitor.
SIZE LargestMonitorSize();

class DibReserve {
 public:
  // Starts making a width x height section; makes nothing when either is not positive.
  DibReserve(int width, int height);
  ~DibReserve();
  DibReserve(const DibReserve&) = delete;
  DibReserve& operator=(const DibReserve&) = delete;

  // Waits for the worker. Hands over the section when it holds width x height, and otherwise releases
  // it: either way the reserve is used up.
  std::optional<DibSection> Take(int width, int height);
  // Whether a section is still there to take; waits for the worker.
  bool Holds();
  // The size it was asked to make.
  SIZE Size() const { return SIZE{width_, height_}; }

 private:
  static DWORD WINAPI Prepare(void* parameter);
  void WaitForWorker();

  const int width_;
  const int height_;
  HANDLE worker_ = nullptr;
  DibSection section_;  // written by the worker; read only after it has ended
};

}  // namespace corvanta
