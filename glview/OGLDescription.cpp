#include "OGLDescription.h"

#include <cctype>
#include <string>

namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool IsIdentifier(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_')) return false;
    return !std::isdigit(static_cast<unsigned char>(text.front()));
}

bool IsPropertyPath(std::string_view path) {
    for (auto dot = path.find('.'); dot != std::string_view::npos; dot = path.find('.')) {
        if (!IsIdentifier(path.substr(0, dot))) return false;
        path.remove_prefix(dot + 1);
    }
    return IsIdentifier(path);
}

// "object Name: Class" opens the values of one component.
TPersistent& OpenObject(std::string_view header, int line, const TComponentMap& components) {
    const auto colon = header.find(':');
    const std::string_view name = Trim(header.substr(0, colon));
    const std::string_view className =
        colon == std::string_view::npos ? std::string_view() : Trim(header.substr(colon + 1));
    if (!IsIdentifier(name) || !IsIdentifier(className))
        throw EDescriptionError(line, "expected \"object Name: Class\"");
    auto it = components.find(name);
    if (it == components.end() || it->second == nullptr)
        throw EDescriptionError(line, "no component named \"" + std::string(name) + "\"");
    if (it->second->ClassName() != className)
        throw EDescriptionError(line, "\"" + std::string(name) + "\" is a " +
                                          std::string(it->second->ClassName()) + ", not a " +
                                          std::string(className));
    return *it->second;
}

} // namespace

void CarregaDescricao(std::string_view text, const TComponentMap& components) {
    TPersistent* current = nullptr;
    int currentLine = 0;
    int lineNumber = 0;
    while (!text.empty()) {
        const auto newline = text.find('\n');
        const std::string_view line = Trim(text.substr(0, newline));
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        ++lineNumber;
        if (line.empty() || line.starts_with('#')) continue;

        if (line.starts_with("object ")) {
            if (current != nullptr)
                throw EDescriptionError(lineNumber, "an object cannot hold another object; "
                                                    "\"end\" missing?");
            current = &OpenObject(line.substr(7), lineNumber, components);
            currentLine = lineNumber;
        } else if (line == "end") {
            if (current == nullptr) throw EDescriptionError(lineNumber, "\"end\" without object");
            current = nullptr;
        } else {
            if (current == nullptr)
                throw EDescriptionError(lineNumber, "expected \"object Name: Class\"");
            const auto equals = line.find('=');
            const std::string_view path = Trim(line.substr(0, equals));
            if (equals == std::string_view::npos || !IsPropertyPath(path))
                throw EDescriptionError(lineNumber, "expected \"Property = value\"");
            const std::string_view value = Trim(line.substr(equals + 1));
            if (value.empty())
                throw EDescriptionError(lineNumber, "no value for \"" + std::string(path) + "\"");
            current->ReadStoredPath(path, TStoredValue(std::string(value), lineNumber, components));
        }
    }
    if (current != nullptr) throw EDescriptionError(currentLine, "object without \"end\"");
}
