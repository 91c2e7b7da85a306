#include "cli.h"

#include <functional>
#include <map>

#include "invocation.h"

namespace gamereg {

namespace {

constexpr const char* kUsage =
    "usage: gamereg-db COMMAND ... [--password P | --no-password]\n"
    "  create MANIFEST.json --out DIR   write DIR/registry.edb and DIR/registry.EDT\n"
    "  dump DB [--json]                 header, fields and every value\n"
    "  get DB FIELD [--text] [-o FILE]  the value of FIELD in record 0\n"
    "  check DB                         open for inspection and read every value\n"
    "  repair DB                        apply the repairs of GameReg's own open\n"
    "  lint DB                          check that the game's scripts will work\n"
    "  preview DB GAMEDIR               the import script for that game folder\n"
    "The password is GameReg's own (391526043) unless given.\n";

using Command = std::function<int(const Invocation&)>;

const std::map<std::string, Command>& Commands() {
    static const std::map<std::string, Command> commands = {
        {"create", CommandCreate},   {"dump", CommandDump},     {"get", CommandGet},
        {"check", CommandCheck},     {"repair", CommandRepair}, {"lint", CommandLint},
        {"preview", CommandPreview},
    };
    return commands;
}

const std::string& OptionValue(const std::vector<std::string>& args, std::size_t& i) {
    if (i + 1 >= args.size()) throw UsageError{args[i] + " needs a value"};
    return args[++i];
}

void ParseOptions(const std::vector<std::string>& args, Invocation& run) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--password") {
            run.password = OptionValue(args, i);
        } else if (arg == "--no-password") {
            run.noPassword = true;
        } else if (arg == "--json") {
            run.json = true;
        } else if (arg == "--text") {
            run.text = true;
        } else if (arg == "-o") {
            run.outputFile = OptionValue(args, i);
        } else if (arg == "--out") {
            run.outputDir = OptionValue(args, i);
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw UsageError{"unknown option " + arg};
        } else {
            run.operands.push_back(arg);
        }
    }
    if (run.password && run.noPassword) {
        throw UsageError{"--password and --no-password exclude each other"};
    }
}

}  // namespace

int RunGameregDb(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        if (args.empty()) throw UsageError{"no command"};
        const auto command = Commands().find(args[0]);
        if (command == Commands().end()) throw UsageError{"unknown command " + args[0]};
        Invocation run(out, err);
        ParseOptions(args, run);
        return command->second(run);
    } catch (const UsageError& error) {
        err << "gamereg-db: " << error.message << "\n" << kUsage;
        return ExitCode::kUsage;
    }
}

}  // namespace gamereg
