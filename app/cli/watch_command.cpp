#include "app/cli/watch_command.hpp"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "app/cli/console_reporter.hpp"
#include "app/export_run.hpp"
#include "app/watch/presentation_watch.hpp"

namespace slidemint {

void ConfigureRun(ExportRun& run, const CliArguments& args) {
    if (!args.outputDir.empty()) {
        std::string folder = std::filesystem::absolute(args.outputDir).lexically_normal().string();
        if (folder.back() != '/') folder += '/';
        run.SetExportFolder(folder);
    }
    run.Options = args.options;
    run.Jobs = args.jobs;
    if (args.renderAhead >= 0) run.RenderAhead = args.renderAhead;
    run.ContinueAfterFailure = true;
    run.CallTimeout = std::chrono::milliseconds(static_cast<long long>(args.timeoutSeconds * 1000));
}

int RunWatch(const CliArguments& args, const std::function<void(ExportRun*)>& setActive,
             const std::function<bool()>& interrupted) {
    MemoryFileList list;
    ConsoleReporter reporter(stdout, stderr, ::isatty(STDOUT_FILENO) == 1);
    ExportRun run(list, reporter);
    ConfigureRun(run, args);
    setActive(&run);

    TPresentationWatch watch;
    bool stoppedByItself = false;
    watch.OnStopped = [&stoppedByItself](const std::string& message) {
        std::fprintf(stderr, "slidemint: %s\n", message.c_str());
        stoppedByItself = true;
    };
    const std::string folder = std::filesystem::absolute(args.inputs.front()).lexically_normal().string();
    if (!watch.Start(folder, [&list](const std::string& path) { list.Add(path); })) {
        setActive(nullptr);
        return 1;
    }
    std::fprintf(stdout, "Watching %s\n", watch.Folder().c_str());
    std::fflush(stdout);
    while (!interrupted() && watch.Watching()) {
        watch.RunPending(std::chrono::milliseconds(200));
        if (!interrupted() && list.PathAt(0)) {
            try {
                run.ExportAll();
            } catch (const std::exception& error) {
                std::fprintf(stderr, "slidemint: %s\n", error.what());
                stoppedByItself = true;
                break;
            }
        }
    }
    watch.Stop();
    run.Shutdown();
    setActive(nullptr);
    return stoppedByItself && !interrupted() ? 1 : 0;
}

}  // namespace slidemint
