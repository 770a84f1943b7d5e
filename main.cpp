// main: the lesson player. Builds the real platform and hands it to the shell.

#include "platform/Runtime.h"

int main(int argc, char** argv)
{
    platform::Runtime runtime(argc, argv);
    return runtime.exec();
}
