#include "benchmarks/Bench.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    const char* only = argc > 1 ? argv[1] : nullptr;
    return varnelo::bench::runAll(only) ? 0 : 1;
}
