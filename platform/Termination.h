// Termination requests: SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C, a
// closed terminal). The handler only notes the request and makes a pipe
// readable; the application's loops act on it (TApplication ends the
// program as its own exit does), and the back ends' waits end at once
// while it stands. A second signal ends the program at once.
#pragma once

// Installs the handlers (the first call only). A child process the program
// forks (the desktop's message box) has the default handling back.
void CatchTerminationSignals();
// Whether a termination was requested.
bool TerminationRequested();
// Notes a request as a first signal does (the headless back end's
// simulated signal, tests).
void RequestTermination();
// Forgets the request and catches signals again if they were caught (tests).
void ForgetTerminationRequest();
// A descriptor that is readable from the request on, -1 while the signals
// are not caught. It is never drained: a wait on it ends at once while the
// request stands.
int TerminationFd();
// Sleeps ms milliseconds, or until a termination is requested.
void SleepUnlessTerminated(unsigned ms);
