#pragma once

#include <memory>

class frmMain;
struct AppServices;

// Starts the program over `services`: the main window is made and runs its load
// step (the attach notice, which waits until the user has closed it), and only
// then is it shown. Nothing talks to the client before the user attaches.
//
// From then on the program ends when the main window says so (Exit, or closing
// it), and only then: a box or another window closing while the main window is
// hidden does not end it. The caller runs the event loop.
std::unique_ptr<frmMain> startProgram(const AppServices& services);
