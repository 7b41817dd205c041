#include "platform/Language.h"

#include <cstdlib>
#include <string_view>

namespace quorvane {

namespace {
constexpr std::string_view kLanguages[] = {"en", "de", "fr", "es"};

std::string_view languageOf(std::string_view locale) {
    return locale.substr(0, locale.find_first_of("_.@"));
}
}  // namespace

std::string uiLanguage(const std::function<const char*(const char*)>& env) {
    auto get = [&](const char* name) -> std::string_view {
        const char* v = env(name);
        return v ? v : "";
    };
    std::string_view messages;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (messages = get(name); !messages.empty()) break;
    // As gettext: the C locale speaks English whatever LANGUAGE asks for.
    const std::string_view base = languageOf(messages);
    if (base.empty() || base == "C" || base == "POSIX") return "en";
    std::string_view wanted = get("LANGUAGE");
    if (wanted.empty()) wanted = messages;
    while (!wanted.empty()) {
        const auto colon = wanted.find(':');
        const std::string_view lang = languageOf(wanted.substr(0, colon));
        for (std::string_view known : kLanguages)
            if (lang == known) return std::string(known);
        wanted = colon == std::string_view::npos ? std::string_view() : wanted.substr(colon + 1);
    }
    return "en";
}

std::string uiLanguage() {
    return uiLanguage([](const char* name) { return std::getenv(name); });
}

}  // namespace quorvane
