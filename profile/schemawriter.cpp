// Writes the profile schema to standard output, from the tables:
//   build/profile/ostraval-profile-schema > profile/ostraval-profile.schema.json
#include "profileschema.h"

#include <cstdio>

int main()
{
    const QByteArray text = profile::profileSchemaText();
    const bool written = std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()),
                                     stdout) == static_cast<std::size_t>(text.size()) &&
                         std::fflush(stdout) == 0;
    return written ? 0 : 1;
}
