#include "keystroke.h"

#include "keyrows.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

namespace profile {

int modifierBit(const QString &name)
{
    for (const Modifier &modifier : kModifiers)
        if (name == QLatin1String(modifier.name))
            return modifier.bit;
    return 0;
}

QString modifierNames()
{
    QStringList names;
    for (const Modifier &modifier : kModifiers)
        names << QString::fromLatin1(modifier.name);
    return names.join(QStringLiteral(", "));
}

QString keyName(int code)
{
    for (const config::KeyRow &row : config::standardKeyRows())
        if (row.code == code)
            return QString::fromUtf8(row.name);
    return {};
}

QList<int> codesNamed(const QString &name)
{
    QList<int> codes;
    for (const config::KeyRow &row : config::standardKeyRows())
        if (name == QString::fromUtf8(row.name))
            codes << row.code;
    return codes;
}

QJsonValue keystrokeValue(int code, int mods)
{
    if (code == 0 && mods == 0)
        return QJsonValue::Null;
    QJsonObject keystroke{{QStringLiteral("code"), code}};
    if (const QString name = keyName(code); !name.isEmpty())
        keystroke[QStringLiteral("name")] = name;
    if (mods < 0 || mods > 0xFF) {
        keystroke[QStringLiteral("mods")] = mods;
        return keystroke;
    }
    QJsonArray names;
    for (const Modifier &modifier : kModifiers)
        if (mods & modifier.bit)
            names << QString::fromLatin1(modifier.name);
    keystroke[QStringLiteral("mods")] = names;
    return keystroke;
}

QString keystrokeText(const QJsonValue &keystroke)
{
    if (!keystroke.isObject())
        return QStringLiteral("none");
    const QJsonObject object = keystroke.toObject();
    QStringList parts;
    const QJsonValue mods = object.value(QStringLiteral("mods"));
    if (mods.isArray()) {
        for (const QJsonValue &mod : mods.toArray())
            parts << mod.toString();
    } else if (!mods.isUndefined()) {
        parts << QStringLiteral("mods %1").arg(mods.toInteger());
    }
    const QString name = object.value(QStringLiteral("name")).toString();
    const qint64 code = object.value(QStringLiteral("code")).toInteger();
    parts << (name.isEmpty() ? QStringLiteral("code %1").arg(code)
                             : QStringLiteral("%1 (%2)").arg(name).arg(code));
    return parts.join(QLatin1Char('+'));
}

} // namespace profile
