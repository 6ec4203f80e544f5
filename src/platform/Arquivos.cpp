#include "Arquivos.h"

#include "Falha.h"
#include "IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString PastaPrograma()
{
    QString pasta = qEnvironmentVariable("BRISVEL_HOME");
    if (pasta.isEmpty())
        pasta = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                             : QDir::currentPath();
    pasta = QDir::cleanPath(QDir(pasta).absolutePath());
    if (!pasta.endsWith(QLatin1Char('/')))
        pasta += QLatin1Char('/');
    return pasta;
}

namespace
{
QString caminhoNaPasta(const QString& arquivo)
{
    if (arquivo.contains(QLatin1Char('/')) || arquivo.contains(QLatin1Char('\\')))
        return arquivo;
    return PastaPrograma() + arquivo;
}
} // namespace

QString LeIni(const QString& arquivo, const QString& secao, const QString& chave,
              const QString& padrao)
{
    const auto valor = IniFile(caminhoNaPasta(arquivo)).valor(secao, chave);
    return valor && !valor->isEmpty() ? *valor : padrao;
}

void GravaIni(const QString& arquivo, const QString& secao, const QString& chave,
              const QString& valor)
{
    IniFile ini(caminhoNaPasta(arquivo));
    ini.define(secao, chave, valor);
    if (!ini.grava())
        throw Falha(QStringLiteral("Não foi possível gravar o arquivo ") + ini.caminho());
}

bool ExisteChaveIni(const QString& arquivo, const QString& secao, const QString& chave)
{
    const QString caminho = caminhoNaPasta(arquivo);
    const QFileInfo info(caminho);
    if (info.exists() && !info.isReadable())
        throw Falha(QStringLiteral("Erro ao verificar se a seção e chave existe!"));
    return IniFile(caminho).valor(secao, chave).has_value();
}

QString LeIniString(const QString& arquivo, const QString& secao, const QString& chave,
                    const QString& padrao)
{
    const IniFile ini(caminhoNaPasta(arquivo));
    if (!ini.existe())
        return padrao;
    return ini.valor(secao, chave).value_or(padrao);
}

QString ParteTexto(const QString& texto, QChar separador, bool depois)
{
    const qsizetype pos = texto.indexOf(separador);
    if (pos < 0)
        return texto;
    return depois ? texto.mid(pos + 1) : texto.left(pos);
}

QString SomenteNumeros(const QString& texto)
{
    QString digitos;
    for (QChar c : texto)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digitos.append(c);
    return digitos;
}
