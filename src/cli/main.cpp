#include <cstdlib>
#include <unistd.h>

#include "cli/dispatch.h"
#include "cli/table.h"

int main(int argc, char** argv) {
    qc::TableInputs in;
    in.args.assign(argv, argv + argc);
    in.euid = geteuid();
    in.ruid = getuid();
    in.getenv = [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        if (!value) return std::nullopt;
        return std::string(value);
    };
    qc::setTable(qc::buildTable(in));
    qc::dispatch();
}
