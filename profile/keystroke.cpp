#include "keystroke.h"

#include "keyrows.h"
#include "settings.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>

namespace profile {

int modifierBit(const QString &name)
{
    for (const config::Modifier &modifier : config::kModifiers)
        if (name == QLatin1String(modifier.name))
            return modifier.bit;
    return 0;
}

QString modifierNames()
{
    QStringList names;
    for (const config::Modifier &modifier : config::kModifiers)
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

QString uniqueKeyName(int code)
{
    const QString name = keyName(code);
    return codesNamed(name).size() == 1 ? name : QString();
}

QJsonValue keystrokeValue(int code, int mods, KeystrokeForm form)
{
    if (code == 0 && mods == 0)
        return QJsonValue::Null;
    QJsonObject keystroke;
    const QString name = form == KeystrokeForm::Profile ? uniqueKeyName(code) : keyName(code);
    if (!name.isEmpty())
        keystroke[QStringLiteral("name")] = name;
    if (name.isEmpty() || form == KeystrokeForm::Detailed)
        keystroke[QStringLiteral("code")] = code;
    if (mods < 0 || mods > 0xFF) {
        keystroke[QStringLiteral("mods")] = mods;
        return keystroke;
    }
    QJsonArray names;
    for (const config::Modifier &modifier : config::kModifiers)
        if (mods & modifier.bit)
            names << QString::fromLatin1(modifier.name);
    keystroke[QStringLiteral("mods")] = names;
    return keystroke;
}

bool isKeystroke(const QJsonValue &value)
{
    const QJsonObject object = value.toObject();
    return object.contains(QStringLiteral("code")) || object.contains(QStringLiteral("name")) ||
           object.contains(QStringLiteral("mods"));
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
    const QJsonValue code = object.value(QStringLiteral("code"));
    QString name = object.value(QStringLiteral("name")).toString();
    if (code.isUndefined()) {
        const QList<int> codes = codesNamed(name);
        parts << (codes.size() == 1 ? QStringLiteral("%1 (%2)").arg(name).arg(codes.first()) : name);
    } else {
        if (name.isEmpty())
            name = keyName(code.toInt());
        parts << (name.isEmpty() ? QStringLiteral("code %1").arg(code.toInteger())
                                 : QStringLiteral("%1 (%2)").arg(name).arg(code.toInteger()));
    }
    return parts.join(QLatin1Char('+'));
}

QJsonValue keystrokeFromText(const QString &text)
{
    if (text == QLatin1String("none"))
        return QJsonValue::Null;
    // Modifiers lead, each followed by "+"; a key name may hold "+" itself.
    QJsonArray mods;
    QString key = text;
    for (qsizetype plus = key.indexOf(QLatin1Char('+')); plus > 0 && modifierBit(key.left(plus)) != 0;
         plus = key.indexOf(QLatin1Char('+'))) {
        mods << key.left(plus);
        key = key.mid(plus + 1);
    }
    QJsonObject keystroke{{QStringLiteral("mods"), mods}};
    static const QRegularExpression kNamed(QStringLiteral("^(.+) \\(([0-9]{1,3})\\)$"));
    static const QRegularExpression kCodeAlone(QStringLiteral("^code ([0-9]{1,3})$"));
    if (const QRegularExpressionMatch named = kNamed.match(key); named.hasMatch()) {
        keystroke[QStringLiteral("name")] = named.captured(1);
        keystroke[QStringLiteral("code")] = named.captured(2).toInt();
    } else if (const QRegularExpressionMatch alone = kCodeAlone.match(key); alone.hasMatch()) {
        keystroke[QStringLiteral("code")] = alone.captured(1).toInt();
    } else {
        keystroke[QStringLiteral("name")] = key;
    }
    return keystroke;
}

} // namespace profile
