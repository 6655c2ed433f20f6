#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace slidemint::test {

// The folder of sample presentations shared by the test suites.
inline std::filesystem::path sharedDecksFolder() {
    const char* folder = std::getenv("SLIDEMINT_SHARED_DECKS");
    return folder != nullptr && *folder != '\0' ? folder : "/work/shared/decks";
}

inline bool sharedDecksPresent() { return std::filesystem::is_directory(sharedDecksFolder()); }

inline std::string sharedDeck(const std::string& name) { return (sharedDecksFolder() / name).string(); }

}  // namespace slidemint::test

// Skips the current test when the shared decks are not there.
#define SKIP_WITHOUT_SHARED_DECKS()                                                            \
    do {                                                                                         \
        if (!::slidemint::test::sharedDecksPresent()) {                                          \
            GTEST_SKIP() << "the shared sample decks are missing (looked in "                     \
                         << ::slidemint::test::sharedDecksFolder()                                \
                         << "; set SLIDEMINT_SHARED_DECKS to their folder)";                     \
        }                                                                                        \
    } while (false)
