#pragma once

// Reads a written PDF back through qpdf --json, a reader this project did
// not write, so tests see the objects and the outline tree as a viewer
// would.

#include <nlohmann/json.hpp>

#include <filesystem>
#include <optional>
#include <string>

#include "tests/pdf/pdf_tools.hpp"

namespace slidemint::qpdf_json {

// The whole JSON description (version 2), or a null value with the tool's
// message in `error`. A password opens an encrypted file; qpdf then shows
// every string decrypted.
inline nlohmann::json Read(const std::filesystem::path& file, const std::string& password,
                           std::string& error) {
    std::string command = "LC_ALL=C qpdf --json=2 ";
    if (!password.empty()) command += "--password=" + pdf_tools::ShellQuote(password) + " ";
    const pdf_tools::CommandResult result = pdf_tools::RunCommand(command + pdf_tools::ShellQuote(file.string()));
    if (result.exitCode != 0) {
        error = result.output;
        return nullptr;
    }
    return nlohmann::json::parse(result.output, nullptr, false);
}

// The dictionary of object "n 0 R" (keys such as "/Title"), or null.
inline nlohmann::json Object(const nlohmann::json& document, int number) {
    const std::string key = "obj:" + std::to_string(number) + " 0 R";
    for (const auto& part : document["qpdf"])
        if (part.is_object() && part.contains(key)) return part[key]["value"];
    return nullptr;
}

// "n 0 R" -> n.
inline int Number(const nlohmann::json& reference) {
    return reference.is_string() ? std::stoi(reference.get<std::string>()) : -1;
}

// The text of a string value: "u:..." holds it as text, "b:..." as hex.
inline std::string Text(const nlohmann::json& value) {
    if (!value.is_string()) return {};
    const std::string text = value.get<std::string>();
    return text.rfind("u:", 0) == 0 ? text.substr(2) : text;
}

}  // namespace slidemint::qpdf_json
