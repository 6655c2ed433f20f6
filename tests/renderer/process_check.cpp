#include "tests/renderer/process_check.hpp"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace slidemint::test {

bool processGroupAlive(pid_t group) {
    if (group <= 0) return false;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        std::ifstream stat(entry.path() / "stat");
        std::string text;
        if (!std::getline(stat, text)) continue;
        // pid (comm) state ppid pgrp ...; comm may hold blanks and parentheses.
        auto afterName = text.rfind(')');
        if (afterName == std::string::npos) continue;
        std::istringstream fields(text.substr(afterName + 1));
        char state = 0;
        long parent = 0;
        long processGroup = 0;
        fields >> state >> parent >> processGroup;
        if (processGroup == group && state != 'Z' && state != 'X') return true;
    }
    return false;
}

}  // namespace slidemint::test
