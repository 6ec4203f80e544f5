#include "EntradaItem.h"

#include "data/TDMXAL.h"
#include "platform/Clock.h"
#include "platform/Interacao.h"

#include <QSqlRecord>
#include <cmath>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}

double arredonda3(double v)
{
    return std::round(v * 1000.0) / 1000.0;
}
} // namespace

EntradaItem::EntradaItem(TDMXAL& dm, Interacao& interacao, const Clock& relogio, int codLoja,
                         int limiteQuantidadeVenda)
    : m_dm(dm), m_interacao(interacao), m_relogio(relogio), m_codLoja(codLoja),
      m_limiteVenda(limiteQuantidadeVenda)
{
}

int EntradaItem::codBal()
{
    QSqlQuery q = m_dm.executa(u("qrConfiguracaoLoja"), {{u("COD_LOJA"), m_codLoja}});
    const int cod = q.next() && !q.value(0).isNull() ? q.value(0).toInt() : 4;
    return cod > 0 ? cod : 4;
}

double EntradaItem::limiteQuantidade()
{
    if (m_limiteVenda > 0)
        return m_limiteVenda;
    QSqlQuery q = m_dm.executa(u("qrConfiguracaoLoja"), {{u("COD_LOJA"), m_codLoja}});
    const double limite = q.next() ? q.value(1).toDouble() : 0;
    return limite > 0 ? limite : 10000;
}

std::optional<ProdutoSelecionado>
EntradaItem::abreProduto(const QString& nome, const QString& parametro, const QVariant& valor)
{
    QSqlQuery q = m_dm.executa(nome, {{parametro, valor}, {u("COD_LOJA"), m_codLoja}});
    if (!q.next())
        return std::nullopt;
    const QSqlRecord r = q.record();
    ProdutoSelecionado p;
    p.COD_PROD = r.value(u("COD_PROD")).toInt();
    p.DESCRICAO = r.value(u("DESCRICAO")).toString();
    p.VLR_PRECO = r.value(u("VLR_PRECO")).toDouble();
    p.VLR_ULTIMO_CUSTO = r.value(u("VLR_ULTIMO_CUSTO")).toDouble();
    p.FLG_UNIDADE_VENDA = r.value(u("FLG_UNIDADE_VENDA")).toString().trimmed();
    p.COD_DEPART = r.value(u("COD_DEPART")).toInt();
    p.Estoque = r.value(u("Estoque")).toDouble();
    q.finish();
    return p;
}

ResultadoBusca EntradaItem::BuscaProduto(const QString& cod, int codCliente)
{
    ResultadoBusca resultado;
    const QString digitado = cod.trimmed();
    if (digitado.isEmpty())
        return resultado;
    QString texto = digitado;
    bool ehCodigo = texto.size() < 7;
    bool etiqueta = false;
    const int bal = codBal();

    if (texto.size() == 13 && texto.startsWith(QLatin1Char('2'))) {
        const QString codigo = texto.mid(1, bal);
        bool ok = false;
        codigo.toInt(&ok);
        if (!ok) {
            m_interacao.atencao(u("Código de Barras Inválido!"));
            return resultado;
        }
        texto = codigo;
        ehCodigo = true;
        etiqueta = true;
        resultado.textoProduto = texto;
    }
    if (!digitado.startsWith(QLatin1Char('R'), Qt::CaseInsensitive)) {
        QSqlQuery q = m_dm.executa(u("qrBarrasVinculada"),
                                   {{u("COD_LOJA"), m_codLoja}, {u("CODIGO_BARRAS"), texto}});
        if (q.next()) {
            texto = q.value(0).toString();
            ehCodigo = true;
            resultado.textoProduto = texto;
        }
    }
    // A product whose own barcode is exactly what was typed wins at once.
    if (auto p = abreProduto(u("qrProdutoPorBarras"), u("CODIGO_BARRAS"), digitado)) {
        resultado.produto = p;
        resultado.textoProduto = QString::number(p->COD_PROD);
        return resultado;
    }
    std::optional<ProdutoSelecionado> p;
    if (ehCodigo) {
        // A code that is not a number finds nothing (never a conversion error).
        bool ok = false;
        const qlonglong numero = texto.toLongLong(&ok);
        if (ok)
            p = abreProduto(u("qrProdutoPorCodigo"), u("COD_PROD"), numero);
    } else {
        p = abreProduto(u("qrProdutoPorBarras"), u("CODIGO_BARRAS"), texto);
    }
    if (!p)
        return resultado;
    if (etiqueta) {
        bool ok = false;
        const double centavos = digitado.mid(bal + 1, 11 - bal).toDouble(&ok);
        resultado.quantidadeEtiqueta =
            ok && p->VLR_PRECO > 0 ? arredonda3(centavos / 100.0 / p->VLR_PRECO) : 0.0;
    }
    if (p->VLR_PRECO <= 0 && ConsultaPrecoProduto(*p, codCliente) <= 0) {
        m_interacao.atencao(u("Preço Inválido!"));
        resultado.quantidadeEtiqueta.reset();
        return resultado;
    }
    resultado.produto = p;
    return resultado;
}

double EntradaItem::ConsultaPrecoProduto(const ProdutoSelecionado& produto, int codCliente)
{
    if (codCliente > 0) {
        QSqlQuery q = m_dm.executa(u("qrPrecoDiferenciado"), {{u("PCOD_LOJA"), m_codLoja},
                                                              {u("PCOD_PROD"), produto.COD_PROD},
                                                              {u("PCOD_CLI"), codCliente}});
        if (q.next() && q.value(0).toDouble() > 0)
            return q.value(0).toDouble();
    }
    const QDateTime hoje(m_relogio.hoje(), QTime(0, 0));
    QSqlQuery q = m_dm.executa(u("qrPrecoPromocao"), {{u("PCOD_LOJA"), m_codLoja},
                                                      {u("PCOD_PROD"), produto.COD_PROD},
                                                      {u("PINI"), hoje},
                                                      {u("PFIN"), hoje}});
    if (q.next()) {
        const double promocao = q.record().value(u("VLR_PRECO_PROMOCAO")).toDouble();
        if (promocao > 0)
            return promocao;
    }
    return produto.VLR_PRECO;
}

bool EntradaItem::VerificaQuantidade(const QString& quantidadeTexto)
{
    const QString texto = quantidadeTexto.trimmed();
    if (texto.isEmpty()) {
        m_interacao.atencao(u("Quantidade inválida!"));
        return true;
    }
    const double quantidade = QString(texto).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    if (quantidade > limiteQuantidade()) {
        m_interacao.atencao(u("Quantidade Acima do Limite !!!"));
        return true;
    }
    return false;
}
