#include "sim/DemoDevice.h"

#include <iostream>

std::unique_ptr<DemoDevice> StartDemoDevice() {
    std::cerr << "--demo gibt es in diesem Programm nicht: der Simulator braucht ein "
                 "Pseudo-Terminal (Linux).\n";
    return nullptr;
}
