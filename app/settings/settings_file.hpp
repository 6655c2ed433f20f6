#pragma once

#include <string>

namespace slidemint {

// The options and the output folder that survive a restart.
struct TStoredSettings {
    std::string ExportFolder;  // kept only when the file holds a non-empty value
    bool NotePage = true;      // "Add Note"
    bool Toc = false;          // "Add TOC"
    int Quality = 0;           // item index of "Output Quality"; any integer is kept
    bool FullScreen = false;   // "Full Screen Mode"
    bool Animation = false;    // "Animation"
    bool ToolBar = false;      // "Hide Tool Bar"
};

// Reads the settings file over `current`: the folder only when the file names
// one, every option from its key or its default. A missing file gives the
// defaults.
TStoredSettings LoadSettings(const std::string& fileName, const TStoredSettings& current);

// Writes the settings: section Directory key Export only when it differs from
// the value already in the file; Setting/Select gets that earlier value; then
// every option. False when the file could not be written.
bool SaveSettings(const std::string& fileName, const TStoredSettings& settings);

// Where the settings file lives: the executable's path with its extension
// replaced by ".ini", or, when the executable's folder is not writable, the
// same file name in `configFolder`.
std::string SettingsFileLocation(const std::string& executablePath, bool executableFolderWritable,
                                 const std::string& configFolder);

// SettingsFileLocation for this process: checks the executable's folder and
// takes $XDG_CONFIG_HOME (or ~/.config) as the configuration folder, creating
// it when the file has to go there.
std::string SettingsFilePath(const std::string& executablePath);

}  // namespace slidemint
