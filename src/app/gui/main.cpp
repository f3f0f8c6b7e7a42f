// The catalogue's desktop program; the start-up sequence lives in the shell.
#include "shell/tvintorastartup.h"

int main(int argc, char* argv[])
{
    return vintora::shell::TVintoraStartup::run(argc, argv);
}
