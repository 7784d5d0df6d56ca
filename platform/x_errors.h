// A late wake-up is no failure. While a program waits for events, SDL wakes
// it by sending an event to its own window over a second X connection; the
// server may carry that out after the window was destroyed at the end, and
// the BadWindow it answers is read as SDL closes that connection. Xlib's
// default handler would print it and exit with status 1 from a normal end.
#pragma once

namespace platform {

// Installs an Xlib error handler that passes over BadWindow from SendEvent
// and hands every other error to the handler it replaced. Call it before
// SDL opens its display: SDL passes errors on to the handler it finds, and
// puts that one back before it closes its connections.
void pass_over_late_wakeups();

}  // namespace platform
