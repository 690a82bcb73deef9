/* xclose WINDOW-ID
 * Asks a window to close the way a window manager's close button does: sends it a
 * WM_PROTOCOLS client message carrying WM_DELETE_WINDOW. The window stays alive;
 * what happens next is up to the program (Xvfb has no window manager to do this).
 * Exit code 0 when the message was sent, 1 on a bad argument, 2 without a display. */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: xclose WINDOW-ID\n");
    return 1;
  }
  char* end = NULL;
  unsigned long id = strtoul(argv[1], &end, 0);
  if (!end || *end != '\0' || id == 0) {
    fprintf(stderr, "xclose: not a window id: %s\n", argv[1]);
    return 1;
  }
  Display* dpy = XOpenDisplay(NULL);
  if (!dpy) {
    fprintf(stderr, "xclose: cannot open display\n");
    return 2;
  }
  XEvent ev;
  memset(&ev, 0, sizeof ev);
  ev.xclient.type = ClientMessage;
  ev.xclient.window = (Window)id;
  ev.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = (long)XInternAtom(dpy, "WM_DELETE_WINDOW", False);
  ev.xclient.data.l[1] = CurrentTime;
  XSendEvent(dpy, (Window)id, False, NoEventMask, &ev);
  XSync(dpy, False);
  XCloseDisplay(dpy);
  return 0;
}
