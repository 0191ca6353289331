/* Drags files onto whatever window lies under a screen point, as an X11
 * file manager does (XDND, version 5, text/uri-list).
 * usage: xdnd_drag X Y PATH...   exits 0 when the target took the drop. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static Display* display;
static Atom XdndAware, XdndSelection, XdndEnter, XdndPosition, XdndStatus, XdndDrop, XdndFinished, XdndLeave,
    XdndActionCopy, UriList;

static void Percent(char* out, const char* path) {
  static const char hex[] = "0123456789ABCDEF";
  for (const unsigned char* p = (const unsigned char*)path; *p; ++p) {
    /* As file managers send them: UTF-8 bytes and signs percent-encoded. */
    if ((*p >= 'A' && *p <= 'Z') || (*p >= 'a' && *p <= 'z') || (*p >= '0' && *p <= '9') || strchr("/-_.~", *p)) {
      *out++ = (char)*p;
    } else {
      *out++ = '%';
      *out++ = hex[*p >> 4];
      *out++ = hex[*p & 15];
    }
  }
  *out = 0;
}

/* The window under the point that takes drops: the deepest one with XdndAware. */
static Window Target(Window root, int x, int y) {
  Window current = root, found = None, child;
  int cx, cy;
  for (;;) {
    if (!XTranslateCoordinates(display, root, current, x, y, &cx, &cy, &child)) break;
    Atom type;
    int format;
    unsigned long count, rest;
    unsigned char* data = NULL;
    if (current != root &&
        XGetWindowProperty(display, current, XdndAware, 0, 1, False, AnyPropertyType, &type, &format, &count, &rest,
                           &data) == Success && type != None)
      found = current;
    if (data) XFree(data);
    if (child == None) break;
    current = child;
  }
  return found;
}

static void Send(Window target, Window source, Atom message, long l1, long l2, long l3, long l4) {
  XEvent e;
  memset(&e, 0, sizeof e);
  e.xclient.type = ClientMessage;
  e.xclient.window = target;
  e.xclient.message_type = message;
  e.xclient.format = 32;
  e.xclient.data.l[0] = (long)source;
  e.xclient.data.l[1] = l1;
  e.xclient.data.l[2] = l2;
  e.xclient.data.l[3] = l3;
  e.xclient.data.l[4] = l4;
  XSendEvent(display, target, False, NoEventMask, &e);
  XFlush(display);
}

int main(int argc, char** argv) {
  if (argc < 4) {
    fprintf(stderr, "usage: xdnd_drag X Y PATH...\n");
    return 2;
  }
  display = XOpenDisplay(NULL);
  if (!display) return 3;
  int x = atoi(argv[1]), y = atoi(argv[2]);
  Window root = DefaultRootWindow(display);
  XdndAware = XInternAtom(display, "XdndAware", False);
  XdndSelection = XInternAtom(display, "XdndSelection", False);
  XdndEnter = XInternAtom(display, "XdndEnter", False);
  XdndPosition = XInternAtom(display, "XdndPosition", False);
  XdndStatus = XInternAtom(display, "XdndStatus", False);
  XdndDrop = XInternAtom(display, "XdndDrop", False);
  XdndFinished = XInternAtom(display, "XdndFinished", False);
  XdndLeave = XInternAtom(display, "XdndLeave", False);
  XdndActionCopy = XInternAtom(display, "XdndActionCopy", False);
  UriList = XInternAtom(display, "text/uri-list", False);

  size_t size = 1;
  for (int i = 3; i < argc; ++i) size += strlen(argv[i]) * 3 + 16;
  char* list = calloc(1, size);
  for (int i = 3; i < argc; ++i) {
    strcat(list, "file://");
    Percent(list + strlen(list), argv[i]);
    strcat(list, "\r\n");
  }

  Window source = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
  XSetSelectionOwner(display, XdndSelection, source, CurrentTime);
  Window target = Target(root, x, y);
  if (target == None) {
    fprintf(stderr, "no drop target at %d,%d\n", x, y);
    return 4;
  }
  Send(target, source, XdndEnter, 5L << 24, (long)UriList, 0, 0);
  Send(target, source, XdndPosition, 0, ((long)x << 16) | y, CurrentTime, (long)XdndActionCopy);

  time_t start = time(NULL);
  int accepted = 0, dropped = 0;
  while (time(NULL) - start < 10) {
    if (!XPending(display)) {
      struct timespec pause = {0, 10000000};
      nanosleep(&pause, NULL);
      continue;
    }
    XEvent e;
    XNextEvent(display, &e);
    if (e.type == ClientMessage && e.xclient.message_type == XdndStatus && !dropped) {
      accepted = e.xclient.data.l[1] & 1;
      if (!accepted) {
        Send(target, source, XdndLeave, 0, 0, 0, 0);
        fprintf(stderr, "the target refused the drop\n");
        return 5;
      }
      Send(target, source, XdndDrop, 0, CurrentTime, 0, 0);
      dropped = 1;
    } else if (e.type == SelectionRequest) {
      XSelectionRequestEvent* r = &e.xselectionrequest;
      XEvent reply;
      memset(&reply, 0, sizeof reply);
      reply.xselection.type = SelectionNotify;
      reply.xselection.requestor = r->requestor;
      reply.xselection.selection = r->selection;
      reply.xselection.target = r->target;
      reply.xselection.time = r->time;
      reply.xselection.property = None;
      if (r->target == UriList) {
        XChangeProperty(display, r->requestor, r->property, UriList, 8, PropModeReplace, (unsigned char*)list,
                        (int)strlen(list));
        reply.xselection.property = r->property;
      }
      XSendEvent(display, r->requestor, False, NoEventMask, &reply);
      XFlush(display);
    } else if (e.type == ClientMessage && e.xclient.message_type == XdndFinished) {
      return 0;
    }
  }
  fprintf(stderr, "the drop did not finish\n");
  return 6;
}
