#pragma once
// Processor time of the whole process, every thread included (the software
// rasteriser's too), in milliseconds. Steadier than the wall clock while other
// work shares the machine, because time spent waiting for a core is not in it.
#include <ctime>

inline double ProcessCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}
