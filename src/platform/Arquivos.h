#pragma once

#include <QString>

// The program folder and the small file helpers that every part of the program uses.

// Folder of Atendimento.ini, Zulo_Control.ini and the SQLite file, with a trailing '/':
// BRISVEL_HOME when set, otherwise the folder of the executable.
QString PastaPrograma();

// Value of a key of a file in the program folder; a missing, empty or unreadable value
// gives the default.
QString LeIni(const QString& arquivo, const QString& secao, const QString& chave,
              const QString& padrao);
// Writes a key into a file of the program folder, creating file and section when needed.
// Raises Falha when the file cannot be written.
void GravaIni(const QString& arquivo, const QString& secao, const QString& chave,
              const QString& valor);
// Whether the key is present (an empty value counts); raises
// "Erro ao verificar se a seção e chave existe!" when the file cannot be read.
bool ExisteChaveIni(const QString& arquivo, const QString& secao, const QString& chave);
// The key's value (empty when present and empty), or the default when the file or the key
// is missing. A name without a path separator is taken from the program folder.
QString LeIniString(const QString& arquivo, const QString& secao, const QString& chave,
                    const QString& padrao);

// Part of a text before (depois = false) or after (depois = true) the first separator;
// the whole text when the separator does not occur.
QString ParteTexto(const QString& texto, QChar separador, bool depois);

// Keeps only the digits of a text.
QString SomenteNumeros(const QString& texto);
