#include "app/settings/settings_file.hpp"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "app/settings/ini_file.hpp"

namespace slidemint {
namespace {

const char* const kDirectory = "Directory";
const char* const kSetting = "Setting";

std::string userConfigFolder() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) return xdg;
    if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + "/.config";
    return ".";
}

}  // namespace

TStoredSettings LoadSettings(const std::string& fileName, const TStoredSettings& current) {
    const TIniFile ini(fileName);
    TStoredSettings result = current;
    const std::string folder = ini.ReadString(kDirectory, "Export", std::string());
    if (!folder.empty()) result.ExportFolder = folder;
    result.NotePage = ini.ReadBool(kSetting, "NotePage", true);
    result.Toc = ini.ReadBool(kSetting, "Toc", false);
    result.Quality = ini.ReadInteger(kSetting, "Quality", 0);
    result.FullScreen = ini.ReadBool(kSetting, "FullScreen", false);
    result.Animation = ini.ReadBool(kSetting, "Animation", false);
    result.ToolBar = ini.ReadBool(kSetting, "ToolBar", false);
    return result;
}

bool SaveSettings(const std::string& fileName, const TStoredSettings& settings) {
    TIniFile ini(fileName);
    const std::string oldFolder = ini.ReadString(kDirectory, "Export", std::string());
    if (oldFolder != settings.ExportFolder) ini.WriteString(kDirectory, "Export", settings.ExportFolder);
    ini.WriteString(kSetting, "Select", oldFolder);
    ini.WriteBool(kSetting, "NotePage", settings.NotePage);
    ini.WriteBool(kSetting, "Toc", settings.Toc);
    ini.WriteInteger(kSetting, "Quality", settings.Quality);
    ini.WriteBool(kSetting, "FullScreen", settings.FullScreen);
    ini.WriteBool(kSetting, "Animation", settings.Animation);
    ini.WriteBool(kSetting, "ToolBar", settings.ToolBar);
    return ini.UpdateFile();
}

std::string SettingsFileLocation(const std::string& executablePath, bool executableFolderWritable,
                                 const std::string& configFolder) {
    std::filesystem::path file(executablePath);
    file.replace_extension(".ini");
    if (executableFolderWritable) return file.string();
    return (std::filesystem::path(configFolder) / file.filename()).string();
}

std::string SettingsFilePath(const std::string& executablePath) {
    const std::filesystem::path folder = std::filesystem::path(executablePath).parent_path();
    const bool writable = ::access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
    const std::string configFolder = userConfigFolder();
    if (!writable) {
        std::error_code ignored;
        std::filesystem::create_directories(configFolder, ignored);
    }
    return SettingsFileLocation(executablePath, writable, configFolder);
}

}  // namespace slidemint
