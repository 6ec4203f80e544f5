#pragma once

#include <QByteArray>
#include <QString>

// Single-byte code pages that outside readers expect: Windows-1252 for record seals and
// INI files brought from older installations, CP850 for receipt printers. Characters
// outside the page become '?'.
namespace CodePage
{
QByteArray paraWindows1252(const QString& texto);
QString deWindows1252(const QByteArray& bytes);
QByteArray paraCp850(const QString& texto);
// UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252.
QString decodificaTexto(const QByteArray& bytes, bool* eraUtf8 = nullptr);
} // namespace CodePage
