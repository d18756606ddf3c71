#include "application/startup.h"

int main(int argc, char *argv[])
{
    return runGarvo(argc, argv);
}
