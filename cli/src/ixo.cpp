#include "ixomain.h"

// The process exit status is the command's status; the system keeps its
// low eight bits.
int main(int argc, char **argv)
{
    return ixo_run(argc, argv);
}
