#include "app/cli/cli_arguments.hpp"

#include <CLI/CLI.hpp>
#include <map>
#include <sstream>

#ifndef SLIDEMINT_VERSION
#define SLIDEMINT_VERSION "0.0.0"
#endif

namespace slidemint {

namespace {

const std::map<std::string, int>& QualityWords() {
    static const std::map<std::string, int> words{
        {"normal", 0}, {"high", 1}, {"very-high", 2}, {"default", 3}};
    return words;
}

void AddConvertOptions(CLI::App& command, CliArguments& args) {
    ConversionOptions& o = args.options;
    command.add_option("-o,--output-dir", args.outputDir, "Folder of the PDF files (default ~/Export/)");
    command.add_option_function<std::string>(
               "-q,--quality",
               [&o](const std::string& word) { o.qualityIndex = *QualityIndexOf(word); },
               "Slide size: normal (640x480), high (800x600), very-high (1024x768), "
               "default (the slide's own size)")
        ->check(CLI::IsMember(QualityWords()).description(""));
    command.add_flag("--toc", o.addToc, "Add an outline entry with each slide's title");
    command.add_flag_callback("--no-notes", [&o] { o.addSlideNotes = false; },
                              "Do not add the slide notes as note annotations");
    command.add_option("--author", o.author, "Document author");
    command.add_option("--creator", o.creator, "Document creator");
    command.add_flag("--full-screen", o.fullScreen, "Open the PDF in full-screen mode");
    command.add_flag("--animation", o.animation, "Dissolve transition between pages");
    command.add_flag("--hide-toolbar", o.hideToolBar, "Hide the viewer's menu bar and tool bar");
    command.add_flag("--encrypt", o.encrypt, "Protect the PDF with 128-bit encryption");
    command.add_option("--user-password", o.userPassword, "Password to open the PDF (with --encrypt)");
    command.add_option("--owner-password", o.ownerPassword, "Password for full access (with --encrypt)");
    command.add_flag("--open", o.openAfterConversion, "Open each PDF when it is finished");
    command.add_option("-j,--jobs", args.jobs, "Files converted at once, each with its own office process")
        ->check(CLI::Range(1, 64));
    command.add_option("--render-ahead", args.renderAhead,
                       "Extra office processes that render slides ahead for each file")
        ->check(CLI::Range(0, 8));
    command.add_option("--timeout", args.timeoutSeconds, "Time limit of each office call, in seconds")
        ->check(CLI::PositiveNumber);
}

}  // namespace

std::optional<int> QualityIndexOf(const std::string& word) {
    const auto found = QualityWords().find(word);
    if (found == QualityWords().end()) return std::nullopt;
    return found->second;
}

ParseResult ParseCommandLine(const std::vector<std::string>& args) {
    CliArguments parsed;
    CLI::App app{"Slidemint converts PowerPoint presentations (.ppt, .pps) into PDF documents, "
                 "one page per slide, rendered by LibreOffice Impress.",
                 "slidemint"};
    app.set_version_flag("--version", std::string("slidemint ") + SLIDEMINT_VERSION);
    app.require_subcommand(1);

    CLI::App* convert = app.add_subcommand("convert", "Convert presentations and folders of presentations");
    AddConvertOptions(*convert, parsed);
    convert->add_option("inputs", parsed.inputs, "Presentation files, or folders searched for *.ppt")
        ->required();

    CLI::App* watch = app.add_subcommand("watch", "Convert every new .ppt that appears in a folder");
    AddConvertOptions(*watch, parsed);
    watch->add_option("folder", parsed.inputs, "The folder to watch")->required()->expected(1);

    std::vector<std::string> reversed(args.rbegin(), args.rend());
    ParseResult result;
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& error) {
        std::ostringstream out, err;
        result.exitCode = app.exit(error, out, err) == 0 ? 0 : 2;
        result.output = out.str() + err.str();
        return result;
    }
    if (convert->parsed()) parsed.command = CliArguments::Command::Convert;
    if (watch->parsed()) parsed.command = CliArguments::Command::Watch;
    result.arguments = parsed;
    return result;
}

}  // namespace slidemint
