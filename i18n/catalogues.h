// The programs' languages: our catalogue and Qt's own for the user's
// language, installed on the application before anything is printed or
// shown. QtCore only, shared by the window and ostraval-ctl.
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace i18n {

// The user's languages in order of preference, the usual Linux way: the
// colon-separated LANGUAGE first, then the first of LC_ALL, LC_MESSAGES and
// LANG that is set. Encodings and modifiers are dropped ("de_DE.UTF-8@euro"
// gives "de_DE"); "C" and "POSIX" stand for English.
QStringList userLanguages();

// The folders searched for our catalogues, in order: the install prefix's
// share/ostraval/translations beside the executable's bin/, then the build
// tree's translations/ one level above the executable.
QStringList catalogueFolders();

// The language chosen from userLanguages(): the first that is English or has
// a catalogue of ours; "en" when none has. Installs our catalogue and Qt's
// own (qtbase_<lang>.qm) for it on `application` and gives the language.
QString installTranslators(QCoreApplication &application);

// A message kept twice: in its English source text for scripts (JSON
// answers) and translated for people. Arguments go into both.
class Message {
public:
    Message() = default;
    // `source` is marked where it stands with QT_TRANSLATE_NOOP(context, ...)
    // or QT_TRANSLATE_N_NOOP (then `n` is the count of %n).
    Message(const char *context, const char *source, int n = -1);
    // A text that is the same in every language (a name, a path).
    static Message verbatim(const QString &text);
    // A text that another source gives in both forms (the system's reasons).
    static Message both(const QString &english, const QString &shown);

    Message arg(const QString &a) const;
    Message arg(long long a) const;
    Message arg(const Message &a) const;
    // Several arguments at once, texts or messages, each put in once: a "%2"
    // that the first argument holds stays as it is, as with QString::arg(a, b).
    template <typename... Parts>
    Message args(const Parts &...parts) const
    {
        return both(m_english.arg(englishOf(parts)...), m_shown.arg(shownOf(parts)...));
    }

    const QString &english() const { return m_english; }
    const QString &shown() const { return m_shown; }
    bool isEmpty() const { return m_english.isEmpty(); }

private:
    static const QString &englishOf(const QString &text) { return text; }
    static const QString &englishOf(const Message &message) { return message.m_english; }
    static const QString &shownOf(const QString &text) { return text; }
    static const QString &shownOf(const Message &message) { return message.m_shown; }

    QString m_english;
    QString m_shown;
};

} // namespace i18n
