#include "platform/gdiplus_session.h"

#include <objidl.h>  // PROPID, which the lean Windows headers leave out
#include <gdiplus.h>

namespace corvanta {

GdiplusSession::GdiplusSession() {
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok) token_ = token;
}

GdiplusSession::~GdiplusSession() {
  if (token_ != 0) Gdiplus::GdiplusShutdown(token_);
}

}  // namespace corvanta
