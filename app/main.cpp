#include "Startup.h"

int main(int argc, char* argv[]) {
    return tavolin::runTavolin(argc, argv);
}
