#pragma once

// Serves CalculatorWindow until the user asks to close it: each press of
// "OBLICZ" reads the ten input fields, runs the calculation and writes both
// results before the next wait. Returns at the first close request.
void RunEventLoop();
