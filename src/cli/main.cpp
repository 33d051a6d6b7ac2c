#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include "cli/dispatch.h"
#include "cli/table.h"

int main(int argc, char** argv) {
    qc::TableInputs in;
    in.args.assign(argv, argv + argc);
    in.euid = geteuid();
    // Root's folders and files get the modes the tool means, not whatever
    // umask the administrator's shell happened to have.
    if (in.euid == 0) umask(022);
    in.ruid = getuid();
    in.getenv = [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        if (!value) return std::nullopt;
        return std::string(value);
    };
    qc::setTable(qc::buildTable(in));
    qc::dispatch();
}
