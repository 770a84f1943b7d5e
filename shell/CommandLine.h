#pragma once

#include <string>
#include <vector>

namespace shell {

// The program's options:
//   --folder DIR  run on the course folder DIR instead of the program's own folder
//   --log FILE    write the log of outward actions to FILE (off by default)
struct CommandLine {
    std::string folder;
    std::string logFile;
    std::string error; // set when the arguments are not understood

    static CommandLine parse(const std::vector<std::string>& arguments);
    static const char* usage();
};

} // namespace shell
