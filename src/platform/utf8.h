#pragma once
#include <QString>

namespace vintora {

// The program's own texts are UTF-8 in the sources (Russian included).
inline QString S(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace vintora
