#include "output.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace ctl {

namespace {

int g_outputError = 0; // errno of the first failed write to standard output
bool g_json = false;
std::optional<Failure> g_failure;

QJsonObject problemJson(const profile::Refusal &problem)
{
    QJsonObject object{{QStringLiteral("path"), problem.path},
                       {QStringLiteral("allowed"), problem.allowed},
                       {QStringLiteral("message"), problem.message}};
    if (!problem.value.isUndefined())
        object[QStringLiteral("value")] = problem.value;
    return object;
}

QJsonObject errorJson(const Failure &failure)
{
    QJsonObject error{{QStringLiteral("status"), failure.status},
                      {QStringLiteral("message"), failure.message.english()}};
    if (failure.call) {
        error[QStringLiteral("call")] = failure.call->call;
        error[QStringLiteral("errno")] = static_cast<qint64>(failure.call->error);
    }
    if (!failure.problems.isEmpty()) {
        QJsonArray problems;
        for (const profile::Refusal &problem : failure.problems)
            problems << problemJson(problem);
        error[QStringLiteral("problems")] = problems;
    }
    return QJsonObject{{QStringLiteral("error"), error}};
}

} // namespace

void printOutRaw(const QByteArray &bytes)
{
    if (g_outputError != 0)
        return;
    const auto size = static_cast<std::size_t>(bytes.size());
    if (std::fwrite(bytes.constData(), 1, size, stdout) != size || std::fflush(stdout) != 0)
        g_outputError = errno != 0 ? errno : EIO;
}

void printOut(const QString &line)
{
    printOutRaw((line + QLatin1Char('\n')).toUtf8());
}

void printJson(const QJsonObject &object)
{
    printOutRaw(QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n');
}

bool outputFailed()
{
    return g_outputError != 0;
}

QString shown(const char *source)
{
    return QCoreApplication::translate("ostraval-ctl", source);
}

void complain(const QString &message)
{
    const QByteArray line =
        (QStringLiteral("ostraval-ctl: ") + message + QLatin1Char('\n')).toUtf8();
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
}

void answerFailuresInJson(bool json)
{
    g_json = json;
}

int fail(const Failure &failure)
{
    for (const profile::Refusal &problem : failure.problems)
        complain(problem.shown);
    const auto unlisted = failure.problems.total() - failure.problems.listed().size();
    if (unlisted > 0)
        complain(message(QT_TRANSLATE_N_NOOP("ostraval-ctl", "... and %n more problems"),
                         static_cast<int>(unlisted))
                     .shown());
    complain(failure.message.shown());
    if (!g_failure)
        g_failure = failure;
    return failure.status;
}

int fail(int status, const i18n::Message &message)
{
    return fail(Failure{status, message, std::nullopt, {}});
}

int finish(int status)
{
    if (g_json && status >= kRefused)
        printJson(errorJson(
            g_failure.value_or(Failure{status, message(QT_TRANSLATE_NOOP("ostraval-ctl", "failed")),
                                       std::nullopt, {}})));
    errno = 0;
    if (std::fflush(stdout) != 0 && g_outputError == 0)
        g_outputError = errno != 0 ? errno : EIO;
    // Closing reports what a flush may not (a file system that writes late).
    if (std::fclose(stdout) != 0 && g_outputError == 0)
        g_outputError = errno != 0 ? errno : EIO;
    if (g_outputError == 0)
        return status;
    //: %1 is the system's reason ("No space left on device")
    complain(shown(QT_TRANSLATE_NOOP("ostraval-ctl", "standard output: cannot write: %1"))
                 .arg(QString::fromLocal8Bit(std::strerror(g_outputError))));
    return kOutputFailed;
}

} // namespace ctl
