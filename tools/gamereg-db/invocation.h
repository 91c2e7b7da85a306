#pragma once
// One run of gamereg-db: its arguments, its streams, and the steps that
// several commands share (opening for inspection, reporting a failure).

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "database/read_only_database.h"
#include "lint.h"
#include "services/text.h"

namespace gamereg {

// A mistake in the command line; reported with the usage.
struct UsageError {
    std::string message;
};

struct Invocation {
    Invocation(std::ostream& out, std::ostream& err) : out(out), err(err) {}

    std::vector<std::string> operands;  // UTF-8, in order
    std::optional<std::string> password;
    bool noPassword = false;
    bool json = false;
    bool text = false;
    std::optional<std::string> outputFile;  // -o
    std::optional<std::string> outputDir;   // --out
    std::ostream& out;
    std::ostream& err;

    // The operand at `index`, or a usage error naming `what`.
    const std::string& Operand(std::size_t index, const char* what) const;

    // The command line's choice, else the manifest's, else GameReg's own.
    Text Password(const std::optional<Text>& manifestPassword = std::nullopt) const;

    // Prints "error CODE: TEXT" and answers the exit code of a failed database.
    int DatabaseFailure(std::int32_t code) const;

    // Opens DB (operand 0) for inspection; a failure is printed.
    std::optional<int> OpenInspected(ReadOnlyDatabase& database) const;
};

// The first field whose name matches as GameReg matches names.
std::optional<std::size_t> FindField(const ReadOnlyDatabase& database, const Text& name);

// The six fields GameReg reads, from record 0, as texts.
ToolFields ReadToolFields(ReadOnlyDatabase& database);

int CommandCreate(const Invocation& run);
int CommandDump(const Invocation& run);
int CommandGet(const Invocation& run);
int CommandCheck(const Invocation& run);
int CommandRepair(const Invocation& run);
int CommandLint(const Invocation& run);
int CommandPreview(const Invocation& run);

}  // namespace gamereg
