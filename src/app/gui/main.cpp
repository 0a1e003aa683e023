#include "app/gui/Startup.h"

int main(int argc, char** argv) {
    return varnelo::runVarnelo(argc, argv);
}
