#include "process_memory.h"

#include <fstream>

namespace tallomat {

std::string processMemory() {
    std::ifstream status("/proc/self/status");
    std::string figures;
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:") || line.starts_with("VmRSS:")) {
            // "VmHWM:\t   31520 kB" becomes "VmHWM: 31520 kB"
            const std::size_t value = line.find_first_not_of(" \t", line.find(':') + 1);
            figures += (figures.empty() ? "" : " ") + line.substr(0, line.find(':') + 1) + " " +
                       line.substr(value);
        }
    }
    return figures;
}

}  // namespace tallomat
