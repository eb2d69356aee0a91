#include "sim/DemoDevice.h"

#include "base/Translation.h"

#include <iostream>

std::unique_ptr<DemoDevice> StartDemoDevice() {
    std::cerr << Tr("DemoDevice", "--demo gibt es in diesem Programm nicht: der Simulator braucht "
                                  "ein Pseudo-Terminal (Linux).")
              << '\n';
    return nullptr;
}
