#include "platform/Translations.h"

#include "platform/Language.h"

#include <QTranslator>

namespace quorvane {

namespace {
// Texts of Qt's own that we show: the buttons of message boxes and dialogs,
// the rate boxes' edit menu, the command line's help. Listed here so the
// translation files carry them; the Qt translations package is not needed.
[[maybe_unused]] constexpr const char* kQtTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),      QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),        QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),
    QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),         QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),       QT_TRANSLATE_NOOP("QLineEdit", "Delete"),
    QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
    QT_TRANSLATE_NOOP("QShortcut", "Ctrl"), QT_TRANSLATE_NOOP("QShortcut", "Shift"),
    // quorvane-rates --help and its answers to wrong options.
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"), QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"), QT_TRANSLATE_NOOP("QCommandLineParser", "Arguments:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};
}  // namespace

std::string fillIn(const std::string& text, std::initializer_list<std::string> args) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : args.size();
        if (text[i] == '%' && n < args.size() && n < 9) {
            out += *(args.begin() + n);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

QString withoutAccents(const QString& text) {
    QString out;
    for (const QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing) out += c;
    return out;
}

std::string installTranslations() {
    const std::string language = uiLanguage();
    if (language == "en") return language;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QString(":/i18n/quorvane_%1.qm").arg(QString::fromStdString(language))))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
    return language;
}

}  // namespace quorvane
