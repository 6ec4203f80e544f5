#include "PersistenciaComanda.h"

#include "Autenticacao.h"
#include "Documentos.h"
#include "app/Configuracao.h"
#include "data/TDMXAL.h"
#include "platform/Arquivos.h"
#include "platform/Clock.h"
#include "platform/Falha.h"
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

QString limpaTexto(QString t, std::initializer_list<const char*> remover)
{
    for (const char* r : remover)
        t.remove(u(r));
    return t.trimmed();
}

QVariant ouNulo(const QString& t)
{
    return t.isEmpty() ? QVariant() : QVariant(t);
}
} // namespace

PersistenciaComanda::PersistenciaComanda(Contexto contexto, QChar tipoDoc)
    : m_c(contexto), m_tipoDoc(tipoDoc)
{
}

int PersistenciaComanda::numeroCartao() const
{
    return SomenteNumeros(EditComanda).toInt();
}

Foco PersistenciaComanda::focoDoModo() const
{
    if (m_tipoDoc == QLatin1Char('D') || m_tipoDoc == QLatin1Char('P'))
        return Foco::edCliente;
    if (m_tipoDoc == QLatin1Char('K') || m_tipoDoc == QLatin1Char('T'))
        return Foco::NomeKit;
    return Foco::EditComanda;
}

std::optional<CabecalhoCarregado> PersistenciaComanda::carregaCabecalho(int numero)
{
    QSqlQuery q = m_c.dm.executa(u("qrInsertCmdNota"), {{u("PNUM_COMANDA"), numero},
                                                        {u("PLOJA"), m_c.codLoja},
                                                        {u("pTipo_Doc"), QString(m_tipoDoc)}});
    if (!q.next())
        return std::nullopt;
    const QSqlRecord r = q.record();
    CabecalhoCarregado c;
    c.DOCUMENTO = r.value(u("DOCUMENTO")).toInt();
    c.COD_CLI = r.value(u("COD_CLI")).toInt();
    c.MESA = r.value(u("MESA"));
    c.NUM_OCUPANTE = r.value(u("NUM_OCUPANTE"));
    q.finish();
    return c;
}

bool PersistenciaComanda::cartaoBloqueado(int numero)
{
    return m_c.dm.escalar(u("qrCartaoBloqueado"), {{u("pCartela"), numero}}).isValid();
}

PersistenciaComanda::Abertura PersistenciaComanda::InicializaComanda(const QString& texto)
{
    Abertura a;
    if (bCmd)
        return a;
    bCmd = true;
    VendedorIdentificado = 0;
    ClienteAutorizado = 0;
    struct Libera {
        bool& b;
        ~Libera() { b = false; }
    } libera{bCmd};

    QString t = texto;
    const QString& prefixo = m_c.geral.PrefixoComanda;
    if (!prefixo.isEmpty())
        t = t.startsWith(prefixo) ? SomenteNumeros(t) : u("0");
    const QString digitos = SomenteNumeros(t);
    if (digitos.isEmpty())
        return a;
    bool ok = false;
    const int numero = digitos.toInt(&ok);
    if (!ok) {
        m_c.interacao.erro(u("'") + digitos + u("' não é um valor inteiro válido"));
        return a;
    }
    EditComanda = QString::number(numero);

    try {
        cabecalho = carregaCabecalho(numero);
        if (m_tipoDoc == QLatin1Char('C') && !cabecalho &&
            (numero < m_c.config.CartaoMIn || numero > m_c.config.CartaoMax)) {
            m_c.interacao.atencao(u("Intervalo de cartão inválido! "));
            a.foco = Foco::EditComanda;
            return a;
        }
        if (cartaoBloqueado(numero)) {
            cabecalho.reset();
            a.limparTela = true;
            m_c.interacao.atencao(u("Comanda Bloqueada!"));
            a.foco = focoDoModo();
            return a;
        }
    } catch (const Falha& f) {
        m_c.interacao.erro(f.mensagem());
        return a;
    }
    a.carregada = true;
    a.foco = Foco::edProduto;
    if (cabecalho && !cabecalho->MESA.isNull()) {
        a.mesa = cabecalho->MESA;
        a.ocupantes = cabecalho->NUM_OCUPANTE;
    }
    if (m_tipoDoc == QLatin1Char('C') && m_c.config.CartaoMesa) {
        MesaSelecionada = QVariant();
        Num_Ocupante = QVariant();
        a.mostrarPainelMesa = true;
        a.foco = Foco::edMesa;
    }
    return a;
}

std::optional<Foco> PersistenciaComanda::verificaOrcamento(const ProdutoSelecionado& produto,
                                                           double quantidade)
{
    const QString documento = limpaTexto(dados.edDocumento, {".", "__", "-"});
    if (documento.isEmpty() && !m_c.config.ImpColunas) {
        m_c.interacao.atencao(u("O Campo CPF/CNPJ deve ser preenchido!"));
        return Foco::edDocumento;
    }
    if (limpaTexto(dados.edContato, {".", "__", "-"}).isEmpty()) {
        m_c.interacao.atencao(u("O Campo Contato deve ser preenchido!"));
        return Foco::edContato;
    }
    if (!m_c.config.ImpColunas) {
        const bool fisica = dados.tipoPessoa == u("Física");
        if (fisica && !ValidaCPF(dados.edDocumento)) {
            m_c.interacao.atencao(u("CPF Inválido!"));
            return Foco::edDocumento;
        }
        if (!fisica && !ValidaCNPJ(dados.edDocumento)) {
            m_c.interacao.atencao(u("CNPJ Inválido!"));
            return Foco::edDocumento;
        }
    }
    if (m_c.config.ConsiderarEstoque) {
        if (produto.Estoque <= 0) {
            m_c.interacao.atencao(u("Produto Sem Estoque Na Loja!"));
            return Foco::edProduto;
        }
        if (quantidade > produto.Estoque) {
            m_c.interacao.atencao(u("Quantidade Digitada Excede Quantidade em Estoque Na Loja!"));
            return Foco::edQuant;
        }
    }
    return std::nullopt;
}

PersistenciaComanda::Gravacao PersistenciaComanda::InsereComanda(const ProdutoSelecionado& produto,
                                                                 double quantidade, double preco)
{
    Gravacao g;
    try {
        const int numero = numeroCartao();
        if (numero == 0) {
            g.foco = Foco::EditComanda;
            m_c.interacao.atencao(u("Informe o número do cartão!"));
            return g;
        }
        if (quantidade <= 0) {
            m_c.interacao.atencao(u("Quantidade Inválida!"));
            g.foco = Foco::edQuant;
            return g;
        }
        if (cartaoBloqueado(numero)) {
            cabecalho.reset();
            g.limparTela = true;
            m_c.interacao.atencao(u("Comanda Bloqueada!"));
            g.foco = focoDoModo();
            return g;
        }
        if (m_tipoDoc == QLatin1Char('D') && !m_c.geral.Condominio) {
            if (auto foco = verificaOrcamento(produto, quantidade)) {
                g.foco = *foco;
                return g;
            }
        }
        InsereNota();
        if (m_c.config.CartaoMesa)
            InsereMesa();
        if (!cabecalho) {
            g.foco = Foco::edProduto;
            return g;
        }
        const int doc = cabecalho->DOCUMENTO;
        if (ChkMesaFechada(doc)) {
            m_c.interacao.atencao(u("A comanda está em fechamento, o item não será inserido!"));
            g.foco = Foco::edProduto;
            return g;
        }
        AtualizaHora();
        const double qtde = arredonda3(quantidade);
        const double vlrPreco = arredonda3(preco);
        const double total = arredonda3(vlrPreco * qtde);
        const QDateTime agora = m_c.relogio.agora();
        QSqlQuery q = m_c.dm.executa(u("qrInsereCmdItem"),
                                     {{u("DOCUMENTO"), doc},
                                      {u("PLOJA"), m_c.codLoja},
                                      {u("NUM_COMANDA"), numero},
                                      {u("COD_PROD"), produto.COD_PROD},
                                      {u("VLR_QTDE"), qtde},
                                      {u("VLR_PRECO"), vlrPreco},
                                      {u("VLR_TOTAL"), total},
                                      {u("DATA"), agora.date()},
                                      {u("HORA"), agora.time()},
                                      {u("COD_VEND"), QVariant()},
                                      {u("FLG_STATUS"), StatusItem},
                                      {u("ACRESCIMO"), calculaAcrescimo(produto.COD_DEPART, total)},
                                      {u("TERMINAL"), m_c.codTerm}});
        if (!q.next())
            throw Falha(u("o item não foi inserido"));
        const int numItem = q.value(1).toInt();
        q.finish();

        if (m_c.config.AtendenteAutomatico) {
            const bool ficou = VendedorIdentificado < 1
                                   ? InsereAtendente(numItem, true)
                                   : (InsereAtendenteAutomatico(numItem), true);
            if (!ficou) {
                g.foco = Foco::edProduto;
                return g;
            }
        }
        AutenticaCmdItem(m_c.dm, doc, numItem);
        g.gravado = true;
        g.numItem = numItem;
        g.foco = Foco::edProduto;
    } catch (const Falha& f) {
        m_c.interacao.erro(u("Problemas ao gravar tabela CMD_ITEM ") + f.mensagem());
        g.foco = Foco::edProduto;
    }
    return g;
}

void PersistenciaComanda::InsereNota()
{
    const int numero = numeroCartao();
    if (!cabecalho)
        cabecalho = carregaCabecalho(numero);
    if (!cabecalho) {
        if (m_c.config.ForcarSenha)
            VendedorIdentificado = 0;
        ClienteAutorizado = 0;
        QString tipo(m_tipoDoc);
        QVariant contato, documento, telefone, cliente, entrega;
        if (m_tipoDoc == QLatin1Char('D')) {
            contato = ouNulo(dados.edContato);
            documento = ouNulo(limpaTexto(dados.edDocumento, {".", "__", "-"}));
            telefone = ouNulo(limpaTexto(dados.edTelefone, {"(", ")", "_", "-"}));
            if (!dados.edCliente.trimmed().isEmpty())
                cliente = dados.edCliente.trimmed().toInt();
        }
        if (m_c.config.ImpColunas && dados.edDataEntrega.isValid())
            entrega = dados.edDataEntrega;
        if (m_tipoDoc == QLatin1Char('K') || m_tipoDoc == QLatin1Char('T')) {
            tipo = dados.kitTemporario ? u("T") : u("K");
            contato = ouNulo(dados.nomeKit);
        }
        const QDateTime agora = m_c.relogio.agora();
        // Another terminal may have opened the same number a moment ago: then its header is used.
        m_c.dm.escalar(u("qrInsereCmdNota"), {{u("NUM_COMANDA"), numero},
                                              {u("COD_LOJA"), m_c.codLoja},
                                              {u("FLG_TIPO_DOC"), tipo},
                                              {u("DATA"), agora.date()},
                                              {u("HORA"), agora.time()},
                                              {u("COD_CLI"), cliente},
                                              {u("CNPJ_CPF"), documento},
                                              {u("CONTATO"), contato},
                                              {u("TELEFONE"), telefone},
                                              {u("DATA_ENTREGA"), entrega},
                                              {u("COD_CONDICAO_PRECO"), QVariant()}});
        cabecalho = carregaCabecalho(numero);
    }
    if (cabecalho)
        AutenticaCmdNota(m_c.dm, cabecalho->DOCUMENTO);
}

void PersistenciaComanda::InsereMesa()
{
    if (!cabecalho || cabecalho->DOCUMENTO <= 0)
        return;
    try {
        m_c.dm.executa(u("qrInsereMesa"), {{u("pMesa"), MesaSelecionada},
                                           {u("pnum_ocupante"), Num_Ocupante},
                                           {u("pDOC"), cabecalho->DOCUMENTO}});
        cabecalho->MESA = MesaSelecionada;
        cabecalho->NUM_OCUPANTE = Num_Ocupante;
    } catch (const Falha&) {
        m_c.interacao.atencao(u("Erro ao identificar a mesa!"));
    }
}

int PersistenciaComanda::MaxIt(int cartao)
{
    return m_c.dm.escalar(u("qrMax"), {{u("piCart"), cartao}, {u("piLoja"), m_c.codLoja}}).toInt() +
           1;
}

void PersistenciaComanda::AtualizaHora()
{
    if (!cabecalho)
        return;
    try {
        m_c.dm.executa(u("qrAtualizaHora"), {{u("pHora"), m_c.relogio.agora().time()},
                                             {u("pDoc"), cabecalho->DOCUMENTO}});
    } catch (const Falha&) {
    }
}

double PersistenciaComanda::calculaAcrescimo(int depart, double totItem)
{
    try {
        const double p = m_c.dm
                             .escalar(u("cdsPercAcresimoDepart"),
                                      {{u("IDEP"), depart}, {u("ILOJA"), m_c.codLoja}})
                             .toDouble();
        const int h = m_c.relogio.agora().time().hour();
        const bool semAcrescimo = m_c.config.HoraInicial <= h && h <= m_c.config.HoraFinal;
        return !semAcrescimo && p > 0 ? p * totItem / 100.0 : 0.0;
    } catch (const Falha&) {
        return 0;
    }
}

bool PersistenciaComanda::ChkMesaFechada(int documento)
{
    if (!m_c.config.BloquearItemMesaFechada)
        return false;
    try {
        return m_c.dm
            .escalar(u("qrChekMesaFechada"), {{u("idoc"), documento}, {u("iLoja"), m_c.codLoja}})
            .isValid();
    } catch (const Falha&) {
        return false;
    }
}

bool PersistenciaComanda::ReabreComanda()
{
    if (!cabecalho || !m_c.config.BloquearItemMesaFechada)
        return false;
    if (!m_c.interacao.pergunta(u("Informação"),
                                u("Atenção!\rDeseja realmente reabrir a comanda ") + EditComanda +
                                    u("?")))
        return false;
    PedidoIdentificacao pedido;
    pedido.titulo = u("Autorizar Reabertura Comanda");
    pedido.campoPermissao = u("CHK_SANGRIAS");
    pedido.pedeSenha = true;
    if (!m_c.interacao.identificaFuncionario(pedido).identificado)
        return false;
    try {
        QSqlQuery q = m_c.dm.executa(u("qrReabreComanda"), {{u("iDoc"), cabecalho->DOCUMENTO}});
        if (q.numRowsAffected() < 1) {
            m_c.interacao.atencao(u("A Comanda ") + EditComanda +
                                  u(" já foi encerrada e não pode ser reaberta!"));
            return false;
        }
    } catch (const Falha&) {
        m_c.interacao.erro(u("Problemas ao reabrir comanda!"));
        return false;
    }
    m_c.interacao.mensagem(u("A Comanda ") + EditComanda + u(" foi reaberta com sucesso!"));
    return true;
}

void PersistenciaComanda::removeItem(int numItem, int codProd)
{
    const int doc = cabecalho->DOCUMENTO;
    m_c.dm.executa(u("qrRemoveItem"),
                   {{u("DOCUMENTO"), doc}, {u("NUM_ITEM"), numItem}, {u("COD_PROD"), codProd}});
    m_c.dm.executa(u("qrRemoveNotaVazia"), {{u("DOCUMENTO"), doc}});
    if (!m_c.dm
             .escalar(u("qrInsertCmdNota"), {{u("PNUM_COMANDA"), numeroCartao()},
                                             {u("PLOJA"), m_c.codLoja},
                                             {u("pTipo_Doc"), QString(m_tipoDoc)}})
             .isValid())
        cabecalho.reset();
}

bool PersistenciaComanda::InsereAtendente(int numItem, bool itemNovo)
{
    if (numeroCartao() == 0 || !cabecalho)
        return true;
    QSqlQuery q = m_c.dm.executa(
        u("qrItemAtendente"), {{u("DOCUMENTO"), cabecalho->DOCUMENTO}, {u("NUM_ITEM"), numItem}});
    if (!q.next())
        return true;
    const int codVend = q.value(0).toInt();
    const int codProd = q.value(1).toInt();
    q.finish();
    if (codVend > 0) {
        m_c.interacao.atencao(u("Vendedor já identificado!"));
        return true;
    }
    PedidoIdentificacao pedido;
    pedido.pedeSenha = m_c.config.SenhaAtendente;
    const ResultadoIdentificacao r = m_c.interacao.identificaFuncionario(pedido);
    if (r.identificado && r.codigo > 0) {
        m_c.dm.executa(u("qrIdentificaFunc"), {{u("iVend"), r.codigo},
                                               {u("iDoc"), cabecalho->DOCUMENTO},
                                               {u("iTem"), numItem},
                                               {u("iProd"), codProd}});
        VendedorIdentificado = r.codigo;
        return true;
    }
    // An item stored earlier (F5) is left as it is; only the item just written goes.
    if (itemNovo && VendedorIdentificado <= 0 && m_c.config.AtendenteAutomatico) {
        removeItem(numItem, codProd);
        m_c.interacao.atencao(
            u("A identificação do vendedor é obrigatória, o item não será gravado!"));
        return false;
    }
    return true;
}

void PersistenciaComanda::InsereAtendenteAutomatico(int numItem)
{
    if (numeroCartao() == 0 || !cabecalho || VendedorIdentificado <= 0)
        return;
    QSqlQuery q = m_c.dm.executa(
        u("qrItemAtendente"), {{u("DOCUMENTO"), cabecalho->DOCUMENTO}, {u("NUM_ITEM"), numItem}});
    if (!q.next())
        return;
    const int codProd = q.value(1).toInt();
    q.finish();
    m_c.dm.executa(u("qrIdentificaFunc"), {{u("iVend"), VendedorIdentificado},
                                           {u("iDoc"), cabecalho->DOCUMENTO},
                                           {u("iTem"), numItem},
                                           {u("iProd"), codProd}});
}

QString PersistenciaComanda::MostraFunc(int codFunc)
{
    try {
        QSqlQuery q = m_c.dm.executa(u("qrFuncionarioLoja"),
                                     {{u("COD_FUNC"), codFunc}, {u("COD_LOJA"), m_c.codLoja}});
        if (!q.next())
            return QString();
        QString texto = QStringLiteral("%1").arg(codFunc, 3, 10, QLatin1Char('0')) + u("-") +
                        q.value(1).toString();
        q.finish();
        if (cabecalho) {
            QSqlQuery d =
                m_c.dm.executa(u("qrDataHoraNota"), {{u("DOCUMENTO"), cabecalho->DOCUMENTO}});
            if (d.next()) {
                const QDateTime data = TDMXAL::lerData(d.value(0));
                const QDateTime hora = TDMXAL::lerData(d.value(1));
                texto += u("  ") + data.date().toString(u("dd/MM/yyyy")) + u(" ") +
                         hora.time().toString(u("HH:mm:ss"));
            }
        }
        return texto;
    } catch (const Falha&) {
        return QString();
    }
}

void PersistenciaComanda::LimpaDocumento()
{
    cabecalho.reset();
    StatusItem = u("N");
    if (m_c.config.ForcarSenha)
        VendedorIdentificado = 0;
}
