#pragma once
#include <QString>

namespace vintora::shell {

// The program entry's sequence: splash, hidden main form with the error reporter, the central
// data module and its command catalogue, the command line, then the message loop.
class TVintoraStartup {
public:
    // Registers the windows of this subsystem with the command catalogue.
    static void registerShellWindows();
    // Runs the program; returns the process's exit code.
    static int run(int argc, char** argv);
};

} // namespace vintora::shell
