#include "bench/cputime.h"

#include <dirent.h>
#include <fstream>
#include <string>

std::int64_t processorNs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir)
        return -1;
    std::int64_t total = 0;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream schedstat(tasks + '/' + entry->d_name + "/schedstat");
        std::int64_t onCpu = 0;
        if (schedstat >> onCpu)
            total += onCpu;
    }
    closedir(dir);
    return total;
}
