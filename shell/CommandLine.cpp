#include "shell/CommandLine.h"

namespace shell {

CommandLine CommandLine::parse(const std::vector<std::string>& arguments)
{
    CommandLine line;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
                line.error = a + " needs a value";
                return;
            }
            out = arguments[++i];
        };
        if (a == "--folder")
            value(line.folder);
        else if (a == "--log")
            value(line.logFile);
        else if (a.rfind("--folder=", 0) == 0)
            line.folder = a.substr(9);
        else if (a.rfind("--log=", 0) == 0)
            line.logFile = a.substr(6);
        else
            line.error = "unknown argument " + a;
        if (!line.error.empty())
            break;
    }
    // The program folder is written without a trailing separator.
    while (line.folder.size() > 1 && line.folder.back() == '/')
        line.folder.pop_back();
    return line;
}

const char* CommandLine::usage() { return "usage: main [--folder COURSE_FOLDER] [--log FILE]"; }

} // namespace shell
