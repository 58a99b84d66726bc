#pragma once

#include <string>

namespace tallomat {

// The process's peak and current resident memory as the kernel counts them, from
// /proc/self/status: "VmHWM: 31520 kB VmRSS: 30212 kB"; empty where there is no /proc.
std::string processMemory();

}  // namespace tallomat
