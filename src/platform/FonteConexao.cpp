#include "FonteConexao.h"

#include "Arquivos.h"
#include "Falha.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

DescricaoConexao interpretaConexao(const QString& bruto)
{
    const QString texto = bruto.trimmed();
    DescricaoConexao d;
    if (texto.startsWith(QLatin1String("odbc:"), Qt::CaseInsensitive)) {
        d.tipo = DescricaoConexao::Tipo::Odbc;
        d.texto = texto.mid(5);
        return d;
    }
    if (texto.contains(QLatin1String("DRIVER="), Qt::CaseInsensitive) ||
        texto.contains(QLatin1String("DSN="), Qt::CaseInsensitive)) {
        d.tipo = DescricaoConexao::Tipo::Odbc;
        d.texto = texto;
        return d;
    }
    QString arquivo =
        texto.startsWith(QLatin1String("sqlite:"), Qt::CaseInsensitive) ? texto.mid(7) : texto;
    if (arquivo.isEmpty())
        arquivo = QStringLiteral("shop.db");
    if (QFileInfo(arquivo).isRelative())
        arquivo = PastaPrograma() + arquivo;
    d.texto = QDir::cleanPath(arquivo);
    return d;
}

DescricaoConexao StringConexaoBrisvel()
{
    for (const char* nome : {"Orlix_Con.so", "libOrlix_Con.so"}) {
        const QString caminho = PastaPrograma() + QLatin1String(nome);
        if (!QFileInfo::exists(caminho))
            continue;
        QLibrary biblioteca(caminho);
        if (!biblioteca.load())
            throw Falha(biblioteca.errorString());
        using Funcao = const char* (*)();
        auto funcao = reinterpret_cast<Funcao>(biblioteca.resolve("StringConexaoBrisvel"));
        if (!funcao)
            throw Falha(biblioteca.errorString());
        const char* texto = funcao();
        if (!texto)
            throw Falha(QStringLiteral("StringConexaoBrisvel não retornou a conexão"));
        return interpretaConexao(QString::fromUtf8(texto));
    }
    QString texto = qEnvironmentVariable("BRISVEL_DB");
    if (texto.isEmpty())
        texto = LeIniString(QStringLiteral("Conexao.ini"), QStringLiteral("Banco"),
                            QStringLiteral("Conexao"), QString());
    return interpretaConexao(texto);
}
