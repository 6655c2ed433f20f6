#pragma once

#include <filesystem>
#include <string>

namespace slidemint {

// The files an office process leaves behind when it is killed: its profile
// folder in the temporary folder and its pipe sockets. Both names carry the
// id of the program that started the office, so that the leftovers of a
// program that has ended (killed before it could tidy up) can be told apart
// from those of programs still running.

// A fresh, empty profile folder named after this program.
std::filesystem::path makeOfficeProfileFolder();

// A pipe name no other office uses, named after this program.
std::string makeOfficePipeName();

// Removes the profile folder and the sockets of one office: the pipe it
// listened on (none when pipeName is empty) and the one guarding its profile.
void removeOfficeFiles(const std::filesystem::path& profileFolder, const std::string& pipeName);

// Removes profile folders and pipe sockets left by programs that have ended.
void removeLeftoversOfEndedPrograms();

}  // namespace slidemint
