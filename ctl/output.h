// What the tool prints: results on standard output, messages on standard
// error as "ostraval-ctl: ...", failures also as one JSON object when asked,
// and its exit statuses.
#pragma once

#include "catalogues.h"
#include "profile.h"
#include "sensor.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace ctl {

enum Exit : int {
    kSuccess = 0,
    kDiffers = 1,      // diff: something differs
    kRefused = 2,      // usage errors, refused profiles and values
    kSensorFailed = 3, // not attached, in use, a call failed
    kOutputFailed = 4, // standard output or an output file could not be written
};

// The version of the tool's answers in JSON, which `--version --json` states.
// It grows whenever an answer loses or renames a member or changes a
// member's meaning, so that scripts can refuse a tool they do not know.
// 1: the answers of release 1.1.0; 2: warnings in the answers of show,
// import, set and reset, and `--version --json`.
inline constexpr int kJsonInterface = 2;

// Results on standard output. Once a write fails nothing more is written;
// finish() reports it.
void printOut(const QString &line);
void printOutRaw(const QByteArray &bytes);
void printJson(const QJsonObject &object);
bool outputFailed();

// A message of the tool, marked where it stands with
// QT_TRANSLATE_NOOP("ostraval-ctl", ...) (QT_TRANSLATE_N_NOOP with a count):
// translated for people, kept in English for the JSON answers.
inline i18n::Message message(const char *source, int n = -1)
{
    return i18n::Message("ostraval-ctl", source, n);
}

// A text for people only (help, labels), translated.
QString shown(const char *source);

// One message line on standard error, after the program's name.
void complain(const QString &message);

// Why a command did not do its work.
struct Failure {
    int status = kRefused;
    i18n::Message message;             // the line on standard error (shown), in JSON (English)
    std::optional<SensorFailure> call; // a library call that failed
    profile::Refusals problems;        // a refused profile or assignment, one per fault
};

// Problems named one line each on standard error before the message; the
// rest of a long list is counted, not listed.
inline constexpr qsizetype kListedProblems = profile::kListedRefusals;

// With --json a failure is also answered on standard output, as one object:
// {"error": {"status", "message", "call", "errno", "problems"}}.
void answerFailuresInJson(bool json);

// Reports the failure on standard error (and keeps it for the JSON answer);
// its status.
int fail(const Failure &failure);
int fail(int status, const i18n::Message &message);

// Ends the run: the JSON answer of a failure, then standard output flushed,
// closed and checked. The exit status: `status`, or kOutputFailed when
// standard output could not be written.
int finish(int status);

} // namespace ctl
