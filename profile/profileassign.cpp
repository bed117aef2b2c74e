// FIELD=VALUE assignments from the command line, gathered into a partial profile.
#include "profile.h"

#include "jsontext.h"
#include "keystroke.h"
#include "readable.h"

#include <QJsonArray>
#include <QRegularExpression>

#include <optional>

namespace profile {

namespace {

struct Step {
    QString name; // empty for a list position
    int index = -1;
};

// "walk_away.keys[0].mods" as its steps; nothing when it is not a path.
std::optional<QList<Step>> stepsOf(const QString &path)
{
    static const QRegularExpression kStep(QStringLiteral("^([a-z_]+)((?:\\[[0-9]{1,2}\\])*)$"));
    QList<Step> steps;
    for (const QString &part : path.split(QLatin1Char('.'))) {
        const QRegularExpressionMatch match = kStep.match(part);
        if (!match.hasMatch())
            return std::nullopt;
        steps.append({match.captured(1)});
        const QString indexes = match.captured(2);
        for (const QString &index : indexes.mid(1, indexes.size() - 2).split(QStringLiteral("]["), Qt::SkipEmptyParts))
            steps.append({QString(), index.toInt()});
    }
    return steps;
}

// A whole keystroke: "idle.key" or a position of a key list.
bool namesKeystroke(const QList<Step> &steps)
{
    const Step &last = steps.last();
    if (last.name.isEmpty())
        return steps.size() >= 2 && steps[steps.size() - 2].name == QLatin1String("keys");
    return last.name == QLatin1String("key");
}

// The value as text where it is not JSON, read the way show, get and diff
// print it for that field.
QJsonValue textValue(const QString &text, const QList<Step> &steps)
{
    const Step &last = steps.last();
    if (last.name == QLatin1String("mods")) {
        QJsonArray names;
        for (const QString &name : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
            names << name.trimmed();
        return names;
    }
    if (namesKeystroke(steps))
        return keystrokeFromText(text);
    if (last.name == QLatin1String("keys") && text == QLatin1String("none"))
        return QJsonArray(); // a sequence without keystrokes, as show prints it
    if (steps.first().name == QLatin1String("leds") && (text == QLatin1String("on") || text == QLatin1String("off")))
        return text == QLatin1String("on");
    return text;
}

QJsonValue valueOf(const QString &text, const QList<Step> &steps)
{
    if (steps.last().name == QLatin1String("name"))
        return text;
    // JSON as strictly as in a profile file; a member named twice is no JSON value.
    const detail::JsonReading json = detail::readJson(text.toUtf8());
    if (json.fault == detail::JsonFault::None && json.duplicateCount == 0)
        return json.value;
    return textValue(text, steps);
}

Refusal malformed(const QString &path, const QString &text, const QString &allowed, const i18n::Message &message)
{
    return Refusal{readable(path), readable(text), allowed, message.english(), message.shown()};
}

// What an assignment that names no field is refused with.
const QString &aFieldPath()
{
    static const QString kAllowed = QStringLiteral("a field path");
    return kAllowed;
}

// Sets `value` at the steps below `node`, making the objects and lists on
// the way. A keystroke given a new name loses its code and the other way
// round, so that the new one is not refused for disagreeing with the old.
bool setBelow(QJsonValue &node, QList<Step> steps, const QJsonValue &value)
{
    const Step step = steps.takeFirst();
    QJsonValue child;
    if (step.name.isEmpty()) {
        if (!node.isArray() && !node.isNull() && !node.isUndefined())
            return false;
        QJsonArray list = node.toArray();
        while (list.size() <= step.index)
            list.append(QJsonValue::Null);
        child = list[step.index];
        if (!steps.isEmpty() && !setBelow(child, steps, value))
            return false;
        list[step.index] = steps.isEmpty() ? value : child;
        node = list;
        return true;
    }
    if (!node.isObject() && !node.isNull() && !node.isUndefined())
        return false;
    QJsonObject object = node.toObject();
    child = object.value(step.name);
    if (!steps.isEmpty() && !setBelow(child, steps, value))
        return false;
    object[step.name] = steps.isEmpty() ? value : child;
    if (steps.isEmpty() && step.name == QLatin1String("name"))
        object.remove(QStringLiteral("code"));
    if (steps.isEmpty() && step.name == QLatin1String("code"))
        object.remove(QStringLiteral("name"));
    node = object;
    return true;
}

} // namespace

std::optional<Refusal> addAssignment(QJsonObject &partial, const QJsonObject &current, const QString &assignment)
{
    const qsizetype equals = assignment.indexOf(QLatin1Char('='));
    if (equals < 0)
        //: %1 is the assignment as given; FIELD=VALUE is the form it must have
        return malformed(QString(), assignment, QStringLiteral("FIELD=VALUE"),
                         message(QT_TRANSLATE_NOOP("ostraval-ctl", "\"%1\" is not FIELD=VALUE"))
                             .arg(readable(assignment)));
    const QString path = assignment.left(equals);
    const QString text = assignment.mid(equals + 1);
    const std::optional<QList<Step>> steps = stepsOf(path);
    if (!steps || steps->first().name.isEmpty())
        //: %1 is the text before "=" in an assignment
        return malformed(path, text, aFieldPath(),
                         message(QT_TRANSLATE_NOOP("ostraval-ctl",
                                                   "\"%1\" is not a field path such as walk_away.keys[0].name"))
                             .arg(readable(path)));
    const QJsonValue value = valueOf(text, *steps);

    const QString top = steps->first().name;
    if (steps->size() > 1 && current.contains(top) && !current.value(top).isObject())
        //: %1 is the field path given, %2 its first member, a single value
        return malformed(path, text, aFieldPath(),
                         message(QT_TRANSLATE_NOOP("ostraval-ctl", "%1: %2 is a value with no parts")).args(path, top));

    // A section's members are set one by one; anything deeper starts from
    // the sensor's current list or keystroke.
    QJsonValue node = partial.value(top);
    if (steps->size() > 2 && !steps->at(1).name.isEmpty()) {
        QJsonObject section = node.isObject() ? node.toObject() : QJsonObject();
        const QString member = steps->at(1).name;
        if (!section.contains(member))
            section[member] = current.value(top).toObject().value(member);
        node = section;
    }
    QJsonValue root = partial;
    QJsonObject topObject = partial;
    topObject[top] = node;
    root = topObject;
    if (!setBelow(root, *steps, value))
        //: %1 is the field path given
        return malformed(path, text, aFieldPath(),
                         message(QT_TRANSLATE_NOOP("ostraval-ctl", "%1: the field has no parts to set")).arg(path));
    partial = root.toObject();
    return std::nullopt;
}

} // namespace profile
