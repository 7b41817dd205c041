#pragma once
// The program's texts in the user's language. Code outside the Qt windows
// writes trs("Context", "English text") (trq for a QString); the translation
// tools know both as translate(), so the text lands in the translation files like any tr().
#include <QCoreApplication>

#include <QString>

#include <initializer_list>
#include <string>

namespace quorvane {

inline std::string trs(const char* context, const char* sourceText) {
    return QCoreApplication::translate(context, sourceText).toStdString();
}

inline QString trq(const char* context, const char* sourceText) {
    return QCoreApplication::translate(context, sourceText);
}

// The text with %1, %2, ... replaced by args in one pass, so an argument that
// holds "%2" (a country name, what the user typed) is never replaced itself.
std::string fillIn(const std::string& text, std::initializer_list<std::string> args);

// The text with the marks taken off its letters ("é" reads "e"), so that a
// word typed without its accents is found.
QString withoutAccents(const QString& text);

// Installs the translation of uiLanguage(), where there is one; English needs
// none. Returns the language spoken. Call once the application object exists.
std::string installTranslations();

}  // namespace quorvane
