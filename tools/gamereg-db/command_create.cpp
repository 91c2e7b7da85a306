// create: a database from a manifest, both files written completely or not at all.

#include <filesystem>
#include <fstream>
#include <system_error>

#include "cli.h"
#include "code_page.h"
#include "invocation.h"
#include "manifest.h"

namespace gamereg {

namespace {

bool WriteWholeFile(const std::filesystem::path& file, const Bytes& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

// Replaces the targets by their new contents as one step: the new files are
// written beside them first, and the old ones come back if a rename fails.
class Replacement {
public:
    void Add(const std::filesystem::path& target, const Bytes& content) {
        files.push_back({target, Suffixed(target, ".new"), Suffixed(target, ".old"), content});
    }

    std::error_code Commit() {
        std::error_code error;
        for (const File& file : files) {
            if (!WriteWholeFile(file.staged, file.content)) {
                return std::make_error_code(std::errc::io_error);
            }
        }
        std::size_t moved = 0;
        for (File& file : files) {
            file.hadOld = std::filesystem::exists(file.target, error);
            if (file.hadOld) std::filesystem::rename(file.target, file.old, error);
            if (!error) std::filesystem::rename(file.staged, file.target, error);
            if (error) break;
            ++moved;
        }
        if (error) {
            for (std::size_t i = 0; i <= moved && i < files.size(); ++i) {
                std::error_code ignored;
                if (files[i].hadOld) {
                    std::filesystem::rename(files[i].old, files[i].target, ignored);
                } else if (i < moved) {
                    std::filesystem::remove(files[i].target, ignored);
                }
            }
        }
        return error;
    }

    ~Replacement() {
        std::error_code ignored;
        for (const File& file : files) {
            std::filesystem::remove(file.staged, ignored);
            std::filesystem::remove(file.old, ignored);
        }
    }

private:
    struct File {
        std::filesystem::path target, staged, old;
        const Bytes& content;
        bool hadOld = false;
    };

    static std::filesystem::path Suffixed(std::filesystem::path path, const char* suffix) {
        return path += suffix;
    }

    std::vector<File> files;
};

}  // namespace

int CommandCreate(const Invocation& run) {
    const std::filesystem::path manifestFile = PathFromUtf8(run.Operand(0, "MANIFEST.json"));
    if (!run.outputDir) throw UsageError{"create needs --out DIR"};
    const std::filesystem::path folder = PathFromUtf8(*run.outputDir);

    ManifestResult manifest = ReadManifest(manifestFile);
    if (!manifest.problem.empty()) {
        run.err << "error: " << manifest.problem << "\n";
        return ExitCode::kFailed;
    }
    manifest.definition.password = run.Password(manifest.password);

    DatabaseImage image;
    const WriteProblem problem = BuildDatabaseImage(manifest.definition, image);
    if (!problem.empty()) {
        run.err << "error: " << CodePage936ToUtf8(problem) << "\n";
        return ExitCode::kFailed;
    }

    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::filesystem::path dataFile = folder / "registry.edb";
    const std::filesystem::path memoFile = folder / "registry.EDT";
    const bool hasMemo = !image.memoFile.empty();
    Replacement replacement;
    replacement.Add(dataFile, image.dataFile);
    if (hasMemo) replacement.Add(memoFile, image.memoFile);
    if (const std::error_code failed = replacement.Commit()) {
        run.err << "error: cannot write into " << Utf8FromPath(folder) << ": " << failed.message()
                << "\n";
        return ExitCode::kFailed;
    }
    run.out << "wrote " << Utf8FromPath(dataFile);
    if (hasMemo) run.out << " and " << Utf8FromPath(memoFile);
    run.out << "\n";
    return ExitCode::kSuccess;
}

}  // namespace gamereg
