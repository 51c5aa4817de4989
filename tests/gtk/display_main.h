// The entry point of the GTK back end's tests: the platform opened on the display when there is
// one, and the tests run.
#pragma once

// Whether a display was there and the platform is open on it; tests skip themselves otherwise.
bool displayOpened();
