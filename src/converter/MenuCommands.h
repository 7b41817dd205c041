#pragma once
// What the Help Topics and Internet Databank commands hand to the platform: the
// help file's path and the maker's rate page. The help viewer and the browser
// sit behind small interfaces so the commands can be checked without them.
#include <QString>

#include <string>

namespace quorvane {

// The maker's page of current rates; a packager may point it elsewhere when
// configuring the build.
#ifndef QUORVANE_DATABANK_URL
#define QUORVANE_DATABANK_URL "https://www.quorvane.example/databank"
#endif
inline constexpr const char* kDatabankUrl = QUORVANE_DATABANK_URL;
// The help file beside the program.
inline constexpr const char* kHelpFileName = "zelvik.hlp";

// Opens a web address in the user's browser.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QString& url) = 0;
};

// Shows a help file at its Help Topics view, in a window of its own that the
// caller neither waits for nor closes.
class HelpLauncher {
public:
    virtual ~HelpLauncher() = default;
    virtual void showHelpTopics(const QString& helpFile) = 0;
};

// The program folder joined with the help file's name, as they are: a folder
// that already ends in a separator gives a doubled one, which the system reads
// as a single one.
QString helpFilePath(const QString& programFolder);

// The file itself when it exists; otherwise the one file in the same folder whose
// name differs only in letter case (Zelvik.hlp for zelvik.hlp); otherwise the
// path unchanged, so whoever opens it reports it missing.
QString findIgnoringCase(const QString& path);

// The help file in `language` ("de": zelvik.de.hlp) where the folder has one,
// otherwise the English one, found as findIgnoringCase finds it.
QString helpFileIn(const QString& programFolder, const std::string& language);

// Help Topics: the help file beside the program in the user's language,
// whether or not it is there.
void showHelpTopics(HelpLauncher& launcher, const QString& programFolder);

// Internet Databank. The browser's answer is not examined.
void openDatabank(UrlOpener& opener);

}  // namespace quorvane
