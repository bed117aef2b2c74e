// The profile format as a JSON Schema (draft 2020-12), made from the same
// tables that export and import read. The repository keeps its text as
// ostraval-profile.schema.json; a test holds the two together.
#pragma once

#include <QByteArray>
#include <QJsonObject>

namespace profile {

QJsonObject profileSchema();
// Indented, as the repository keeps it.
QByteArray profileSchemaText();

} // namespace profile
