#pragma once

#include <functional>

#include "app/cli/cli_arguments.hpp"

namespace slidemint {

class ExportRun;

// Applies the command line's output folder and options to a run.
void ConfigureRun(ExportRun& run, const CliArguments& args);

// Watches the folder args.inputs[0] and converts every new complete ".ppt"
// with the convert options until interrupted() turns true or the watch
// stops by itself. setActive receives the run while it exists (nullptr
// afterwards), so that a signal can stop it. Returns the exit code.
int RunWatch(const CliArguments& args, const std::function<void(ExportRun*)>& setActive,
             const std::function<bool()>& interrupted);

}  // namespace slidemint
