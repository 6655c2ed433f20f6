#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/cli/cli_arguments.hpp"
#include "app/cli/console_reporter.hpp"
#include "app/cli/input_files.hpp"
#include "app/cli/signal_stop.hpp"
#include "app/cli/watch_command.hpp"
#include "app/export_run.hpp"

namespace slidemint {

namespace {

std::atomic<ExportRun*> activeRun{nullptr};

SignalStop& Signals() {
    // Lives until the process ends: its thread may still receive a signal
    // while the program is shutting down.
    static SignalStop* signals = new SignalStop([] {
        if (ExportRun* run = activeRun.load()) run->Stop();
    });
    return *signals;
}

int RunConvert(const CliArguments& args) {
    const InputFiles files = CollectInputFiles(args.inputs);
    for (const std::string& error : files.errors) std::fprintf(stderr, "%s\n", error.c_str());
    if (files.presentations.empty()) {
        if (files.errors.empty()) std::fprintf(stderr, "slidemint: no presentations found\n");
        return 1;
    }
    MemoryFileList list(files.presentations);
    ConsoleReporter reporter(stdout, stderr, ::isatty(STDOUT_FILENO) == 1);
    reporter.showTimings = std::getenv("SLIDEMINT_TIMINGS") != nullptr;
    ExportRun run(list, reporter);
    ConfigureRun(run, args);
    activeRun = &run;
    int failed = 0;
    try {
        failed = run.ExportAll();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "slidemint: %s\n", error.what());
        failed = 1;
    }
    run.Shutdown();
    activeRun = nullptr;
    if (Signals().Signalled()) return Signals().ExitCode();
    return failed > 0 || !files.errors.empty() ? 1 : 0;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args) {
    const ParseResult parsed = ParseCommandLine(args);
    if (!parsed.arguments) {
        std::fputs(parsed.output.c_str(), parsed.exitCode == 0 ? stdout : stderr);
        return parsed.exitCode;
    }
    Signals();
    if (parsed.arguments->command == CliArguments::Command::Watch) {
        return RunWatch(*parsed.arguments, [](ExportRun* run) { activeRun = run; },
                        [] { return Signals().Signalled(); });
    }
    return RunConvert(*parsed.arguments);
}

}  // namespace slidemint

int main(int argc, char** argv) {
    return slidemint::RunCommandLine(std::vector<std::string>(argv + 1, argv + argc));
}
