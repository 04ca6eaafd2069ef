#include "ShellTest.h"
int main(int argc, char** argv) {
    return runSuites(argc, argv);
}
