#include "ui/object_focus.h"

namespace {
ObjectFocusHook gHook = nullptr;
}  // namespace

void SetObjectFocusHook(ObjectFocusHook hook) { gHook = hook; }

void FocusItemObject(const void* dp2) {
  const char* object = static_cast<const char*>(dp2);
  if (gHook && object && *object) gHook(static_cast<unsigned char>(object[0]));
}
