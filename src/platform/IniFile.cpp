#include "IniFile.h"

#include "CodePage.h"

#include <QFile>
#include <QSaveFile>

namespace
{
bool ehSecao(const QString& linha)
{
    return linha.startsWith(QLatin1Char('['));
}

QString nomeSecao(const QString& linha)
{
    const qsizetype fim = linha.indexOf(QLatin1Char(']'));
    return linha.mid(1, fim < 0 ? -1 : fim - 1).trimmed();
}
} // namespace

IniFile::IniFile(QString caminho) : m_caminho(std::move(caminho))
{
    QFile arquivo(m_caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        return;
    m_existe = true;
    const QString texto = CodePage::decodificaTexto(arquivo.readAll(), &m_utf8);
    m_linhas = texto.split(QLatin1Char('\n'));
    for (QString& linha : m_linhas)
        if (linha.endsWith(QLatin1Char('\r')))
            linha.chop(1);
    if (!m_linhas.isEmpty() && m_linhas.last().isEmpty())
        m_linhas.removeLast();
}

int IniFile::linhaSecao(const QString& secao) const
{
    for (int i = 0; i < m_linhas.size(); ++i) {
        const QString linha = m_linhas[i].trimmed();
        if (ehSecao(linha) && nomeSecao(linha).compare(secao, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int IniFile::linhaChave(int inicioSecao, const QString& chave) const
{
    for (int i = inicioSecao + 1; i < m_linhas.size(); ++i) {
        const QString linha = m_linhas[i].trimmed();
        if (ehSecao(linha))
            break;
        if (linha.startsWith(QLatin1Char(';')))
            continue;
        const qsizetype igual = linha.indexOf(QLatin1Char('='));
        if (igual > 0 && linha.left(igual).trimmed().compare(chave, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

std::optional<QString> IniFile::valor(const QString& secao, const QString& chave) const
{
    const int s = linhaSecao(secao);
    if (s < 0)
        return std::nullopt;
    const int k = linhaChave(s, chave);
    if (k < 0)
        return std::nullopt;
    const QString& linha = m_linhas[k];
    QString v = linha.mid(linha.indexOf(QLatin1Char('=')) + 1).trimmed();
    if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) &&
        v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v;
}

void IniFile::define(const QString& secao, const QString& chave, const QString& valor)
{
    const QString linhaNova = chave + QLatin1Char('=') + valor;
    int s = linhaSecao(secao);
    if (s < 0) {
        if (!m_linhas.isEmpty() && !m_linhas.last().trimmed().isEmpty())
            m_linhas.append(QString());
        m_linhas.append(QLatin1Char('[') + secao + QLatin1Char(']'));
        m_linhas.append(linhaNova);
        return;
    }
    const int k = linhaChave(s, chave);
    if (k >= 0) {
        m_linhas[k] = linhaNova;
        return;
    }
    // After the section's last non-blank line, so blank separators stay between sections.
    int ultima = s;
    for (int i = s + 1; i < m_linhas.size() && !ehSecao(m_linhas[i].trimmed()); ++i)
        if (!m_linhas[i].trimmed().isEmpty())
            ultima = i;
    m_linhas.insert(ultima + 1, linhaNova);
}

bool IniFile::grava() const
{
    const QString texto = m_linhas.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    QSaveFile arquivo(m_caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        return false;
    arquivo.write(m_utf8 ? texto.toUtf8() : CodePage::paraWindows1252(texto));
    return arquivo.commit();
}
