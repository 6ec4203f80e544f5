#include "DicaGravacao.h"

#include <QRegularExpression>

namespace
{
// The driver puts "[vendor][driver][SQL Server]" before the server's own words.
QString semPrefixos(QString texto)
{
    texto = texto.trimmed();
    static const QRegularExpression prefixo(QStringLiteral("^(\\[[^\\]]*\\]\\s*)+"));
    texto.remove(prefixo);
    return texto;
}

// Text between 1-based positions, as the server's Portuguese messages are laid out.
QString trecho(const QString& texto, int de, int ate)
{
    if (texto.size() < de)
        return {};
    return texto.mid(de - 1, ate - de + 1);
}

DicaGravacao campoObrigatorio(const QString& campo)
{
    DicaGravacao d;
    d.tipo = DicaGravacao::Tipo::CampoObrigatorio;
    d.campo = campo;
    d.mensagem = QStringLiteral("Atenção.....                  \r\r Favor preencher o campo ") +
                 campo + QStringLiteral(" . ");
    return d;
}

DicaGravacao chavePrimaria()
{
    DicaGravacao d;
    d.tipo = DicaGravacao::Tipo::ChavePrimaria;
    d.mensagem = QString::fromUtf8("Atenção.....                      \r\rHouve violação de "
                                   "\"Chave Primária\"\rFavor inserir o registro novamente.");
    return d;
}
} // namespace

DicaGravacao traduzErroGravacao(const QString& mensagemServidor, const QStringList& chave)
{
    const QString texto = semPrefixos(mensagemServidor).toUpper();

    // "Não é possível inserir o valor NULL na coluna 'X', tabela ..."
    if (trecho(texto, 32, 35) == QLatin1String("NULL")) {
        const qsizetype fim = texto.indexOf(QLatin1Char('\''), 47);
        if (fim > 47)
            return campoObrigatorio(texto.mid(47, fim - 47));
    }
    // "Violação da restrição PRIMARY KEY 'PK_X'. ..."
    if (trecho(texto, 22, 33).trimmed() == QLatin1String("PRIMARY KEY"))
        return chavePrimaria();

    // SQLite: "NOT NULL constraint failed: T.X"
    static const QRegularExpression nulo(
        QStringLiteral("^NOT NULL CONSTRAINT FAILED: (\\w+)\\.(\\w+)"));
    if (const auto m = nulo.match(texto); m.hasMatch())
        return campoObrigatorio(m.captured(2));
    // SQLite: "UNIQUE constraint failed: T.A, T.B" on the key columns
    static const QRegularExpression unico(QStringLiteral("^UNIQUE CONSTRAINT FAILED: (.+)$"));
    if (const auto m = unico.match(texto); m.hasMatch() && !chave.isEmpty()) {
        QStringList colunas;
        for (const QString& c : m.captured(1).split(QLatin1Char(',')))
            colunas << c.section(QLatin1Char('.'), -1).trimmed();
        QStringList esperadas;
        for (const QString& c : chave)
            esperadas << c.toUpper();
        colunas.sort();
        esperadas.sort();
        if (colunas == esperadas)
            return chavePrimaria();
    }
    return {};
}
