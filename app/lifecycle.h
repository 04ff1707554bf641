#pragma once

// The whole program: start-up, the event loop, shutdown. Returns the exit
// code, 0 on every path, the critical-error box included.
int RunCalculatorProgram();
