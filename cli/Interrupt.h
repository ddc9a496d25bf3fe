#pragma once

// SIGINT and SIGTERM as the person's request to stop the running action. The handler only
// counts the signal; the action sees it between transactions, when the terminal's frontend
// lets pending work run.
namespace cli::interrupt {

// Installs the handlers. A blocking read of the terminal (a question) returns on a signal.
void install();
// Signals that came since the last call.
int take();
// For tests: as if a signal had come.
void raiseForTest();

} // namespace cli::interrupt
