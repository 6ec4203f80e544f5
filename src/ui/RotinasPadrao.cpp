#include "RotinasPadrao.h"

#include "ConjuntoDados.h"
#include "Esquema.h"
#include "platform/Falha.h"
#include "platform/Interacao.h"

namespace
{
const QString kLoja = QStringLiteral("loja");

bool soDigitos(const QString& texto)
{
    if (texto.isEmpty())
        return false;
    for (const QChar c : texto)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// A typed code compared as the column holds it: digits as a number, anything else as text.
QVariant codigoDigitado(const QString& texto)
{
    if (soDigitos(texto) && texto.size() <= 18)
        return texto.toLongLong();
    return texto.toUpper();
}
} // namespace

RotinasPadrao::RotinasPadrao(TDMXAL& dm, int codLoja, Interacao& interacao)
    : m_dm(dm), m_codLoja(codLoja), m_interacao(interacao)
{
}

QString RotinasPadrao::mensagemNenhumRegistro(const QString& valor)
{
    return QString::fromUtf8("Informação.!\rNenhum registro encontrado com [ ") + valor +
           QStringLiteral(" ]");
}

QList<QSqlRecord> RotinasPadrao::linhas(const QString& sql, const Parametros& parametros)
{
    QSqlQuery q;
    m_dm.ExecutaSQL(sql, q, parametros);
    QList<QSqlRecord> r;
    while (q.next())
        r.append(q.record());
    return r;
}

int RotinasPadrao::AutoInc(const QString& tabela, const QString& coluna)
{
    Esquema e(m_dm);
    const QString c = e.coluna(tabela, coluna);
    const auto r = linhas(QStringLiteral("SELECT MAX(") + c + QStringLiteral(") AS Codigo FROM ") +
                              e.tabela(tabela),
                          {});
    if (r.isEmpty() || r.first().isNull(0))
        return 1;
    return r.first().value(0).toInt() + 1;
}

bool RotinasPadrao::VerificaDelete(const QString& tabela, const QString& campo,
                                   const QVariant& valor)
{
    const QString c = Esquema(m_dm).coluna(tabela, campo);
    return !linhas(QStringLiteral("SELECT ") + c + QStringLiteral(" FROM ") + tabela +
                       QStringLiteral(" WHERE ") + c + QStringLiteral(" = :valor"),
                   {{QStringLiteral("valor"), valor}})
                .isEmpty();
}

QString RotinasPadrao::VerificaSeExiste(const QString& tabela,
                                        const QList<QPair<QString, QVariant>>& campos)
{
    Esquema e(m_dm);
    for (const auto& [campo, valor] : campos) {
        if (valor.isNull() || valor.toString().isEmpty())
            continue;
        const QString c = e.coluna(tabela, campo);
        const auto r = linhas(QStringLiteral("SELECT ") + c + QStringLiteral(" FROM ") + tabela +
                                  QStringLiteral(" WHERE ") + c + QStringLiteral(" = :valor"),
                              {{QStringLiteral("valor"), valor}});
        if (!r.isEmpty()) {
            m_interacao.mensagem(QString::fromUtf8("Informação!\rO registro: [ ") +
                                 valor.toString() + QString::fromUtf8(" ] já está cadastrado"));
            return campo;
        }
    }
    return {};
}

void RotinasPadrao::Pesquisa(ConjuntoDados& conjunto, const QString& tabela, const QString& campo,
                             const QString& igual)
{
    Esquema e(m_dm);
    const QString c = e.coluna(tabela, campo);
    conjunto.abre(QStringLiteral("SELECT * FROM ") + tabela + QStringLiteral(" WHERE UPPER(") + c +
                      QStringLiteral(") LIKE :texto ESCAPE '\\'"),
                  {{QStringLiteral("texto"), escapaLike(igual.toUpper()) + QLatin1Char('%')}});
    if (conjunto.vazio()) {
        m_interacao.mensagem(mensagemNenhumRegistro(igual));
        conjunto.abre(QStringLiteral("SELECT * FROM ") + tabela, {});
    }
}

QList<QSqlRecord> RotinasPadrao::ProcuraFunc(const QString& strParam)
{
    if (strParam.size() <= 6) {
        // Employee codes are numbers: a text with anything else names nobody.
        if (!soDigitos(strParam))
            return {};
        return linhas(Catalogo::texto(QStringLiteral("ProcuraFuncCodigo"), m_dm.motor()),
                      {{kLoja, m_codLoja}, {QStringLiteral("codigo"), strParam.toLongLong()}});
    }
    return linhas(Catalogo::texto(QStringLiteral("ProcuraFuncBarras"), m_dm.motor()),
                  {{kLoja, m_codLoja}, {QStringLiteral("barras"), strParam}});
}

QVariant RotinasPadrao::configuracao(const QString& coluna)
{
    QSqlQuery q = m_dm.executa(QStringLiteral("ConfiguracaoLoja"),
                               {{QStringLiteral("PCOD_LOJA"), m_codLoja}});
    QVariant v;
    if (q.next())
        v = q.value(coluna);
    while (q.next()) {
    }
    return v;
}

ProdutoEncontrado RotinasPadrao::ProcuraProd(const QString& tabela, const QString& campo,
                                             const QString& strParam, int intParam)
{
    Esquema e(m_dm);
    const QString c = e.coluna(tabela, campo);
    const QString inicio =
        QStringLiteral("SELECT * FROM ") + tabela + QStringLiteral(" WHERE COD_LOJA = :loja AND ");
    const bool referencia = strParam.startsWith(QLatin1Char('R'), Qt::CaseInsensitive);
    ProdutoEncontrado achado;
    QList<QSqlRecord> r;
    auto busca = [&](int passo, const QString& sql, const Parametros& p) {
        r = linhas(sql, p);
        if (!r.isEmpty()) {
            achado.passo = passo;
            achado.linha = r.first();
        }
    };

    if (intParam <= 6 && !referencia) {
        busca(1, inicio + QStringLiteral("UPPER(") + c + QStringLiteral(") = :codigo"),
              {{kLoja, m_codLoja}, {QStringLiteral("codigo"), codigoDigitado(strParam)}});
    } else if (intParam == 13 && strParam.startsWith(QLatin1Char('2'))) {
        // Scale label: "2", the product code in COD_BAL digits, then the value in cents.
        const int codBal = configuracao(QStringLiteral("COD_BAL")).toInt();
        const QString codigo = strParam.mid(1, codBal);
        const QString valor = strParam.mid(codBal + 1, 11 - codBal);
        if (codBal > 0 && codBal < 11 && soDigitos(codigo) && soDigitos(valor)) {
            achado.valorEtiqueta = valor.toLongLong() / 100.0;
            busca(2, inicio + QStringLiteral("UPPER(") + c + QStringLiteral(") = :codigo"),
                  {{kLoja, m_codLoja}, {QStringLiteral("codigo"), codigo.toLongLong()}});
        }
    } else if (intParam == 13 && !referencia) {
        busca(3, inicio + QStringLiteral("CODIGO_BARRAS = :barras"),
              {{kLoja, m_codLoja}, {QStringLiteral("barras"), strParam}});
    }
    if (referencia)
        busca(4, inicio + QStringLiteral("REFERENCIA_FORN = :ref"),
              {{kLoja, m_codLoja}, {QStringLiteral("ref"), strParam}});
    if (!achado.encontrado() && !referencia)
        busca(5, Catalogo::texto(QStringLiteral("ProcuraBarrasVinculada"), m_dm.motor()),
              {{kLoja, m_codLoja}, {QStringLiteral("barras"), strParam}});
    // The package barcode only when nothing was found: it must not replace a product found.
    if (!achado.encontrado()) {
        busca(6, inicio + QStringLiteral("BARRAS_EMBALAGEM = :barras"),
              {{kLoja, m_codLoja}, {QStringLiteral("barras"), strParam}});
        if (achado.passo == 6) {
            const double fator =
                achado.linha.value(QStringLiteral("VLR_FATOR_CONV_COMPRA")).toDouble();
            if (fator > 0)
                achado.fatorEmbalagem = fator;
        }
    }
    if (!achado.encontrado()) {
        m_interacao.mensagem(mensagemNenhumRegistro(strParam));
        return achado;
    }
    achado.valor = achado.linha.value(c);
    if (!achado.valor.isValid())
        achado.valor = 0;
    return achado;
}

QString RotinasPadrao::Conta_Casas(int decimais)
{
    return QStringLiteral("0.") + QString(qMax(decimais, 0), QLatin1Char('0'));
}

QString RotinasPadrao::Casas_Decimais()
{
    const int decimais = configuracao(QStringLiteral("DECIMAIS")).toInt();
    if (decimais <= 0)
        return {};
    return QStringLiteral("#,##0.") + QString(decimais, QLatin1Char('0'));
}

void RotinasPadrao::FormataField(ConjuntoDados& conjunto)
{
    try {
        const QString formato = Casas_Decimais();
        for (const QString& campo : conjunto.camposReais())
            conjunto.info(campo).formato = formato;
    } catch (const Falha& f) {
        m_interacao.erro(QStringLiteral("Problemas no Formato do campo! ") + f.mensagem());
    }
}

QString RotinasPadrao::Caption_MargMark()
{
    return configuracao(QStringLiteral("CHK_MARK_MARGE")).toString() == QLatin1String("T")
               ? QStringLiteral("Margem")
               : QStringLiteral("Mark-up");
}
