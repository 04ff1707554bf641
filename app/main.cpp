#include "lifecycle.h"

// A GUI-subsystem program; it takes no arguments.
int main() { return RunCalculatorProgram(); }
