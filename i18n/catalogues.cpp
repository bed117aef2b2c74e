#include "catalogues.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace i18n {

namespace {

const QString kCatalogue = QStringLiteral("ostraval_");

// "de_DE.UTF-8@euro" -> "de_DE"; "C" and "POSIX" -> "en".
QString languageOf(const QString &locale)
{
    QString name = locale.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
    if (name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return QStringLiteral("en");
    return name;
}

bool isEnglish(const QString &language)
{
    return language == QLatin1String("en") || language.startsWith(QLatin1String("en_"));
}

// Loads our catalogue for `language` from the first folder that has it
// (QTranslator falls back from "de_AT" to "de" by itself).
bool loadOurs(QTranslator &translator, const QString &language)
{
    for (const QString &folder : catalogueFolders())
        if (translator.load(kCatalogue + language, folder))
            return true;
    return false;
}

} // namespace

QStringList userLanguages()
{
    QStringList languages;
    for (const QString &language :
         qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        languages << languageOf(language);
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString locale = qEnvironmentVariable(variable);
        if (!locale.isEmpty()) {
            languages << languageOf(locale);
            break;
        }
    }
    return languages;
}

QStringList catalogueFolders()
{
    const QString programs = QCoreApplication::applicationDirPath();
    return {QDir::cleanPath(programs + QStringLiteral("/../share/ostraval/translations")),
            QDir::cleanPath(programs + QStringLiteral("/../translations"))};
}

QString installTranslators(QCoreApplication &application)
{
    // Kept for the program's life; the application does not own them.
    static QTranslator ours;
    static QTranslator qts;
    for (const QString &language : userLanguages()) {
        const bool found = loadOurs(ours, language);
        if (!found && !isEnglish(language))
            continue;
        if (found)
            application.installTranslator(&ours);
        if (qts.load(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            application.installTranslator(&qts);
        return language;
    }
    return QStringLiteral("en");
}

Message::Message(const char *context, const char *source, int n)
    : m_english(QString::fromUtf8(source)),
      m_shown(QCoreApplication::translate(context, source, nullptr, n))
{
    if (n >= 0)
        m_english.replace(QLatin1String("%n"), QString::number(n));
}

Message Message::verbatim(const QString &text)
{
    Message message;
    message.m_english = text;
    message.m_shown = text;
    return message;
}

Message Message::both(const QString &english, const QString &shown)
{
    Message message;
    message.m_english = english;
    message.m_shown = shown;
    return message;
}

Message Message::arg(const QString &a) const
{
    Message message;
    message.m_english = m_english.arg(a);
    message.m_shown = m_shown.arg(a);
    return message;
}

Message Message::arg(long long a) const
{
    Message message;
    message.m_english = m_english.arg(a);
    message.m_shown = m_shown.arg(a);
    return message;
}

Message Message::arg(const Message &a) const
{
    Message message;
    message.m_english = m_english.arg(a.m_english);
    message.m_shown = m_shown.arg(a.m_shown);
    return message;
}

} // namespace i18n
