// Any bytes as a profile, checked as ostraval-ctl checks a profile file, and
// written to a simulated sensor when it is taken, as import writes it:
//
//   - nothing crashes or hangs, whatever the bytes;
//   - a refused profile leaves the configuration as it was, so nothing is
//     sent; each refusal is one short line without control characters;
//   - a taken profile is committed as it says, and the sensor's export then
//     imports back, onto any configuration, to the same stored bytes.
#include "kv3sim.h"
#include "profile.h"
#include "sensor.h"

#include <QJsonObject>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using profile::Records;

[[noreturn]] void fail(const char *what, const QByteArray &text)
{
    std::fprintf(stderr, "%s\nprofile (%lld bytes): %.2000s\n", what,
                 static_cast<long long>(text.size()), text.constData());
    std::abort();
}

// A sensor within the field bounds that differs from the factory values in
// every record, reserved words and the sixth keystroke included.
Records storedSample()
{
    Records r = kv3sim::factoryConfiguration();
    r.sonar.LedFlags = 0x0102;
    r.sonar.Reserved2 = -7;
    r.sonar.MaxDist = 40;
    r.idle.PressRate = 3;
    r.idle.KeyCode = 44;
    r.idle.Reserved6 = 9;
    r.walkAway.KeyCode[0] = 76;
    r.walkAway.KeyMods[0] = 5;
    r.walkAway.KeyCode[2] = 175;
    r.walkAway.KeyCount = 2;
    r.walkUp.KeyCode[5] = 12;
    r.walkUp.Reserved9 = 300;
    return r;
}

// Every stored word set to one pattern: what an import must overwrite.
Records scrambled()
{
    Records r;
    std::memset(&r, 0x5A, sizeof r);
    return r;
}

void checkRefusals(const profile::Refusals &refusals, const QByteArray &text)
{
    for (const profile::Refusal &refusal : refusals) {
        if (refusal.message.isEmpty() || refusal.message.size() > 600)
            fail("a refusal is empty or too long to read", text);
        for (const QChar c : refusal.message)
            if (c.category() == QChar::Other_Control)
                fail("a refusal repeats a control character", text);
    }
}

bool sentAnything()
{
    for (const std::string &line : kv3sim::trace())
        if (line.rfind("Set", 0) == 0 || line.rfind("WriteCfg", 0) == 0)
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 64 * 1024)
        return 0;
    const QByteArray text(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    kv3sim::Settings settings; // the stored configuration in memory
    settings.heldRange = 30;
    kv3sim::reset(settings);
    const Records sample = storedSample();
    kv3sim::setStored(
        kv3sim::Configuration{sample.sonar, sample.idle, sample.walkAway, sample.walkUp});

    ctl::Sensor sensor;
    Records stored;
    if (sensor.connect() || sensor.readStored(stored) || !(stored == sample))
        fail("the simulated sensor did not give its stored configuration", text);
    kv3sim::setTraceEnabled(true);

    QJsonObject parsed;
    profile::Refusals refusals = profile::parseProfile(text, parsed);
    Records wanted = stored;
    if (refusals.isEmpty())
        refusals = profile::applyProfile(parsed, wanted);
    if (!refusals.isEmpty()) {
        checkRefusals(refusals, text);
        if (!(wanted == stored))
            fail("a refused profile changed the configuration", text);
        if (sentAnything())
            fail("something was sent for a refused profile", text);
        return 0;
    }

    if (sensor.write(wanted))
        fail("writing a taken profile failed", text);
    Records after;
    if (sensor.readStored(after) || !(after == wanted))
        fail("the sensor does not hold what was written", text);

    QStringList warnings;
    const QByteArray exported = profile::profileText(profile::profileOf(after, &warnings));
    if (!warnings.isEmpty())
        fail("a taken profile left values the export warns about", text);
    for (Records target : {kv3sim::factoryConfiguration(), scrambled(), stored}) {
        QJsonObject again;
        if (!profile::parseProfile(exported, again).isEmpty() ||
            !profile::applyProfile(again, target).isEmpty())
            fail("the sensor's export was refused", exported);
        if (!(target == after) || !profile::differences(after, target).isEmpty())
            fail("the export did not import back to the same stored bytes", text);
    }
    return 0;
}
