#include "CommandLine.h"

int main(int argc, char** argv)
{
    return velmora::cli::runCommandLine(argc, argv);
}
