// Starts GDI+ for the lifetime of the object (the program and the test program each hold one).
#pragma once

#include <windows.h>

namespace corvanta {

class GdiplusSession {
 public:
  GdiplusSession();
  ~GdiplusSession();
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;

  bool Started() const { return token_ != 0; }

 private:
  ULONG_PTR token_ = 0;
};

}  // namespace corvanta
