// Dialog items that are about one object (a field or check box whose dp2 text starts
// with the object's slot number as a byte) say so when they get the focus; the screen
// answers by showing that object in the side panel.
#pragma once

using ObjectFocusHook = void (*)(int object);
void SetObjectFocusHook(ObjectFocusHook hook);

// Tells the hook about the object a dialog item's dp2 names, if it names one.
void FocusItemObject(const void* dp2);
