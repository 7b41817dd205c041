#pragma once
// The language the program speaks: the first of the user's message languages
// that it has translations for, chosen as gettext chooses (LANGUAGE, then
// LC_ALL, LC_MESSAGES, LANG), English otherwise. There is no setting of its own.
#include <functional>
#include <string>

namespace quorvane {

// "en", "de", "fr" or "es".
std::string uiLanguage();
// The same, reading the environment through `env` (nullptr or "" for unset).
std::string uiLanguage(const std::function<const char*(const char*)>& env);

}  // namespace quorvane
