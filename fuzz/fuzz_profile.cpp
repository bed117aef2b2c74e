// Any bytes as a profile, checked as ostraval-ctl checks a profile file, and
// written to a simulated sensor when it is taken, as import writes it:
//
//   - nothing crashes or hangs, whatever the bytes;
//   - the profile reader finds JSON exactly where an independent strict
//     reading of RFC 8259's grammar does, counts the same members named
//     twice, and QJsonDocument never refuses a text it took;
//   - a refused profile leaves the configuration as it was, so nothing is
//     sent; each refusal is one short line without control characters;
//   - a taken profile is committed as it says, and the sensor's export then
//     imports back, onto any configuration, to the same stored bytes.
#include "jsontext.h"
#include "kv3sim.h"
#include "profile.h"
#include "sensor.h"

#include <QJsonObject>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <string_view>

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
        // No catalogue is installed here: the line for people is the English one.
        if (refusal.shown != refusal.message)
            fail("a refusal reads differently for people and for scripts", text);
    }
}

// A strict reading of JSON written from RFC 8259's grammar alone, by descent
// through its rules, to hold the profile reader to. Besides the grammar it
// keeps the reader's two documented choices: a byte order mark may start the
// text, and lists and objects nest at most kMaxJsonDepth deep.
class ReferenceJson {
public:
    explicit ReferenceJson(std::string_view text) : text_(text) {}

    // Whether the text is JSON; `duplicates` counts the member names that
    // come again in their object.
    bool read(long long &duplicates)
    {
        if (text_.substr(0, 3) == "\xEF\xBB\xBF")
            at_ = 3;
        whitespace();
        bool json = value(0);
        whitespace();
        json = json && at_ == text_.size();
        duplicates = duplicates_;
        return json;
    }

private:
    bool take(char c)
    {
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    // ws = *( %x20 / %x09 / %x0A / %x0D )
    void whitespace()
    {
        while (at_ < text_.size() &&
               (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
    }

    bool value(int depth)
    {
        if (at_ >= text_.size())
            return false;
        switch (text_[at_]) {
        case '{':
            return object(depth + 1);
        case '[':
            return array(depth + 1);
        case '"': {
            std::u16string ignored;
            return string(ignored);
        }
        case 't':
            return literal("true");
        case 'f':
            return literal("false");
        case 'n':
            return literal("null");
        default:
            return number();
        }
    }

    bool literal(std::string_view word)
    {
        if (text_.substr(at_, word.size()) != word)
            return false;
        at_ += word.size();
        return true;
    }

    bool object(int depth)
    {
        if (depth > profile::detail::kMaxJsonDepth || !take('{'))
            return false;
        whitespace();
        if (take('}'))
            return true;
        std::set<std::u16string> names;
        do {
            whitespace();
            std::u16string name;
            if (!string(name))
                return false;
            if (!names.insert(name).second)
                ++duplicates_;
            whitespace();
            if (!take(':'))
                return false;
            whitespace();
            if (!value(depth))
                return false;
            whitespace();
        } while (take(','));
        return take('}');
    }

    bool array(int depth)
    {
        if (depth > profile::detail::kMaxJsonDepth || !take('['))
            return false;
        whitespace();
        if (take(']'))
            return true;
        do {
            whitespace();
            if (!value(depth))
                return false;
            whitespace();
        } while (take(','));
        return take(']');
    }

    bool digits()
    {
        const std::size_t from = at_;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9')
            ++at_;
        return at_ > from;
    }

    // number = [ minus ] int [ frac ] [ exp ]
    bool number()
    {
        take('-');
        if (!take('0') && !(at_ < text_.size() && text_[at_] >= '1' && text_[at_] <= '9' && digits()))
            return false;
        if (take('.') && !digits())
            return false;
        if (take('e') || take('E')) {
            if (!take('+'))
                take('-');
            return digits();
        }
        return true;
    }

    // A code point from its UTF-8 bytes: the shortest form, no surrogates,
    // nothing beyond U+10FFFF.
    bool codePoint(char32_t &c)
    {
        const auto lead = static_cast<unsigned char>(text_[at_]);
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || at_ + length > text_.size())
            return false;
        c = length == 1 ? lead : lead & (0x7F >> length);
        for (int i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text_[at_ + i]);
            if ((next & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (next & 0x3F);
        }
        static constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < kShortest[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
            return false;
        at_ += length;
        return true;
    }

    // string = quotation-mark *char quotation-mark, read into UTF-16 units
    // as the profile reader reads member names.
    bool string(std::u16string &units)
    {
        if (!take('"'))
            return false;
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == '"') {
                ++at_;
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                return false;
            if (c == '\\') {
                if (at_ + 1 >= text_.size())
                    return false;
                const char escaped = text_[at_ + 1];
                const std::string_view simple = "\"\\/bfnrt";
                const std::string_view meaning = "\"\\/\b\f\n\r\t";
                if (const std::size_t found = simple.find(escaped); found != std::string_view::npos && escaped) {
                    units += char16_t(meaning[found]);
                    at_ += 2;
                    continue;
                }
                if (escaped != 'u' || at_ + 6 > text_.size())
                    return false;
                char16_t unit = 0;
                for (std::size_t i = at_ + 2; i < at_ + 6; ++i) {
                    const char h = text_[i];
                    const int digit = h >= '0' && h <= '9' ? h - '0'
                                      : h >= 'a' && h <= 'f' ? h - 'a' + 10
                                      : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                                             : -1;
                    if (digit < 0)
                        return false;
                    unit = char16_t(unit * 16 + digit);
                }
                units += unit;
                at_ += 6;
                continue;
            }
            char32_t code = 0;
            if (!codePoint(code))
                return false;
            if (code >= 0x10000) {
                units += char16_t(0xD800 + ((code - 0x10000) >> 10));
                units += char16_t(0xDC00 + ((code - 0x10000) & 0x3FF));
            } else {
                units += char16_t(code);
            }
        }
        return false;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    long long duplicates_ = 0;
};

// The profile reader against the reference: the same texts are JSON, with
// the same members named twice; a number beyond a double is JSON the reader
// refuses for its own reason, not for its grammar.
void checkAgainstReference(const QByteArray &text)
{
    using profile::detail::JsonFault;
    const profile::detail::JsonReading reading =
        profile::detail::readJson(text, profile::detail::JsonRules{profile::kListedRefusals, QStringLiteral("$schema")});
    if (reading.fault == JsonFault::Unread)
        fail("QJsonDocument refused a text the reader took", text);
    if ((reading.fault == JsonFault::None) == reading.value.isUndefined())
        fail("a value read with a fault, or none without one", text);
    long long duplicates = 0;
    const bool json = ReferenceJson(std::string_view(text.constData(), std::size_t(text.size()))).read(duplicates);
    const bool readerFindsJson = reading.fault == JsonFault::None || reading.fault == JsonFault::HugeNumber;
    if (json != readerFindsJson)
        fail(json ? "the reader refused JSON" : "the reader took what is not JSON", text);
    if (reading.fault == JsonFault::None && reading.duplicateCount != duplicates)
        fail("the reader and the reference count different members named twice", text);
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

    checkAgainstReference(text);
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
