#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// A profile (INI) file read the way the shops' files were always read: sections and keys
// without regard to case, values trimmed and freed of surrounding quotes, ';' comments.
// Bytes are UTF-8 when valid, otherwise Windows-1252; a save keeps the file's encoding
// and every line it did not change.
class IniFile
{
public:
    explicit IniFile(QString caminho);

    bool existe() const { return m_existe; }
    const QString& caminho() const { return m_caminho; }

    // The key's value when the key is present (an empty value counts as present).
    std::optional<QString> valor(const QString& secao, const QString& chave) const;
    void define(const QString& secao, const QString& chave, const QString& valor);
    // Writes the file; false when it cannot be written.
    bool grava() const;

private:
    int linhaSecao(const QString& secao) const;
    int linhaChave(int inicioSecao, const QString& chave) const;

    QString m_caminho;
    QStringList m_linhas;
    bool m_existe = false;
    bool m_utf8 = true;
};
