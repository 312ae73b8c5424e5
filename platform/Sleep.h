#pragma once

// Sleeps without pumping window messages.
void SleepMs(unsigned Milliseconds);
