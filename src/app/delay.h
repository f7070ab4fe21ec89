#pragma once

// Waits `msec` milliseconds with the event loop running: the window stays
// live, and clicks and serial data are handled inside the call.
void Delay_MSec(unsigned int msec);
