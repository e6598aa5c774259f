// ravlet: the desktop program. Until the main window exists, a console stand-in receives
// what the start routine and the command line ask of it.
#include <iostream>

#include "app/CommandLine.h"
#include "app/ConsoleMainWindow.h"
#include "app/Startup.h"

int main(int argc, char** argv) {
    ravlet::ConsoleMainWindow window(std::cout);
    ravlet::StartRavlet(window, ravlet::ProcessCommandLine(argc, argv));
    return window.Close() ? 0 : 1;
}
