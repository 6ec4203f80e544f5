#include "TfrmAtendimento.h"

#include "EntradaItem.h"
#include "LeituraPeso.h"
#include "Observacoes.h"
#include "data/TDMXAL.h"
#include "platform/Arquivos.h"
#include "platform/Balanca.h"
#include "platform/Clock.h"
#include "platform/Falha.h"
#include "platform/Interacao.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

QPointer<TfrmAtendimento> TfrmAtendimento::s_maisRecente;

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}
const QLocale kBr(QLocale::Portuguese, QLocale::Brazil);

bool ehKit(QChar t)
{
    return t == QLatin1Char('K') || t == QLatin1Char('T');
}
bool ehEnter(int k)
{
    return k == Qt::Key_Return || k == Qt::Key_Enter;
}

QString dinheiro(double v)
{
    return kBr.toString(v, 'f', 2);
}
QString quantidade(double v)
{
    return kBr.toString(v, 'f', 3);
}

double numeroDe(const QString& texto)
{
    return QString(texto)
        .remove(QLatin1Char('.'))
        .replace(QLatin1Char(','), QLatin1Char('.'))
        .toDouble();
}

QTableWidgetItem* celula(const QString& texto, Qt::Alignment alinhamento = Qt::AlignLeft)
{
    auto* item = new QTableWidgetItem(texto);
    item->setTextAlignment(alinhamento | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

QTableWidget* grade(QWidget* pai, const QStringList& titulos, const char* nome)
{
    auto* g = new QTableWidget(0, static_cast<int>(titulos.size()), pai);
    g->setObjectName(u(nome));
    g->setHorizontalHeaderLabels(titulos);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->verticalHeader()->hide();
    g->horizontalHeader()->setStretchLastSection(true);
    return g;
}

// While an order entry window exists no Tab moves the focus anywhere in the application.
class FiltroTab : public QObject
{
public:
    bool eventFilter(QObject* alvo, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        const int tecla = static_cast<QKeyEvent*>(e)->key();
        if (tecla != Qt::Key_Tab && tecla != Qt::Key_Backtab)
            return false;
        if (auto* w = qobject_cast<QWidget*>(alvo))
            if (auto* janela = qobject_cast<TfrmAtendimento*>(w->window()))
                janela->tabPressionado(w);
        return true;
    }
};

int g_janelasAbertas = 0;
FiltroTab* g_filtroTab = nullptr;
} // namespace

TfrmAtendimento* TfrmAtendimento::maisRecente()
{
    return s_maisRecente.data();
}

TfrmAtendimento::TfrmAtendimento(QChar sTipo, ServicosAtendimento servicos, QWidget* parent)
    : QWidget(parent, Qt::Window), m_tipo(sTipo), m_s(std::move(servicos))
{
    setObjectName(u("frmAtendimento"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u("Atendimento"));
    const QString erro = InicializaBrisvel();
    if (!erro.isEmpty())
        throw Falha(erro);
    if (m_tipo == QLatin1Char('D') && m_config.CodigoCliente == 0)
        throw Falha(u("Configure a chave CodigoCliente na seção ATENDIMENTO do arquivo "
                      "Atendimento.ini antes de abrir o orçamento."));
    m_persistencia = std::make_unique<PersistenciaComanda>(
        PersistenciaComanda::Contexto{*m_s.dm, *m_s.interacao, relogio(), m_config, ConfigGeral,
                                      m_s.codLoja, m_s.codTerm},
        m_tipo);
    m_entrada = std::make_unique<EntradaItem>(*m_s.dm, *m_s.interacao, relogio(), m_s.codLoja,
                                              m_config.LimiteQuantidadeVenda);
    m_listas = std::make_unique<ListasAtendimento>(*m_s.dm, m_s.codLoja);
    montaTela();
    m_persistencia->StatusItem = u("N");
    s_maisRecente = this;
    if (g_janelasAbertas++ == 0) {
        g_filtroTab = new FiltroTab;
        qApp->installEventFilter(g_filtroTab);
    }
}

TfrmAtendimento::~TfrmAtendimento()
{
    if (--g_janelasAbertas == 0) {
        delete g_filtroTab;
        g_filtroTab = nullptr;
    }
}

QString TfrmAtendimento::InicializaBrisvel()
{
    return LeConfigAtendimento(m_config);
}

void TfrmAtendimento::montaTela()
{
    resize(1000, 680);
    // The focused field is pale yellow, as in every record window.
    setStyleSheet(u("QLineEdit:focus, QDateEdit:focus { background-color: #FFFFE6; }"));
    auto* raiz = new QVBoxLayout(this);

    grpBrisvel = new QGroupBox(u("Cartão"), this);
    grpBrisvel->setObjectName(u("grpBrisvel"));
    auto* lc = new QHBoxLayout(grpBrisvel);
    EditComanda = new QLineEdit(grpBrisvel);
    EditComanda->setObjectName(u("EditComanda"));
    EditComanda->setMaxLength(20);
    EditComanda->setFixedWidth(140);
    lc->addWidget(EditComanda);
    lblMesaAtual = new QLabel(u("Mesa:"), grpBrisvel);
    lblMesaAtual->setObjectName(u("lblMesaAtual"));
    edMesaAtual = new QLineEdit(grpBrisvel);
    edMesaAtual->setObjectName(u("edMesaAtual"));
    edMesaAtual->setReadOnly(true);
    edMesaAtual->setFocusPolicy(Qt::NoFocus);
    edMesaAtual->setFixedWidth(60);
    lc->addWidget(lblMesaAtual);
    lc->addWidget(edMesaAtual);
    lbNumComanda = new QLabel(u("000000000"), grpBrisvel);
    lbNumComanda->setObjectName(u("lbNumComanda"));
    lc->addWidget(lbNumComanda);
    lc->addStretch();
    // The consumer window and the price conditions come with their own windows.
    btVincularCmdConsumo = new QPushButton(u("Vincular comanda ao consumidor"), grpBrisvel);
    btVincularCmdConsumo->setObjectName(u("btVincularCmdConsumo"));
    btVincularCmdConsumo->setEnabled(false);
    btCondicaoPreco = new QPushButton(u("Condição de Preço"), grpBrisvel);
    btCondicaoPreco->setObjectName(u("btCondicaoPreco"));
    btCondicaoPreco->setEnabled(false);
    cbCondicaoPreco = new QComboBox(grpBrisvel);
    cbCondicaoPreco->setObjectName(u("cbCondicaoPreco"));
    cbCondicaoPreco->setEnabled(false);
    cbCondicaoPreco->hide();
    lc->addWidget(btVincularCmdConsumo);
    lc->addWidget(btCondicaoPreco);
    lc->addWidget(cbCondicaoPreco);
    raiz->addWidget(grpBrisvel);

    auto* Panel9 = new QWidget(this);
    Panel9->setObjectName(u("Panel9"));
    auto* lp = new QGridLayout(Panel9);
    lp->setContentsMargins(0, 0, 0, 0);
    auto* rotuloProduto = new QLabel(u("Códi&go/Cód. Barras"), Panel9);
    edProduto = new QLineEdit(Panel9);
    edProduto->setObjectName(u("edProduto"));
    edProduto->setToolTip(u("Código Produto"));
    rotuloProduto->setBuddy(edProduto);
    btPesquisaProduto = new QToolButton(Panel9);
    btPesquisaProduto->setObjectName(u("btPesquisaProduto"));
    btPesquisaProduto->setText(u("..."));
    btPesquisaProduto->setFocusPolicy(Qt::NoFocus);
    btPesquisaProduto->setEnabled(static_cast<bool>(m_s.pesquisaProduto));
    DBEdit6 = new QLineEdit(Panel9);
    DBEdit6->setObjectName(u("DBEdit6"));
    DBEdit6->setReadOnly(true);
    DBEdit6->setFocusPolicy(Qt::NoFocus);
    DBEdit21 = new QLineEdit(Panel9);
    DBEdit21->setObjectName(u("DBEdit21"));
    DBEdit21->setReadOnly(true);
    DBEdit21->setFocusPolicy(Qt::NoFocus);
    DBEdit21->setFixedWidth(40);
    lblEstoq = new QLabel(u("Estoque Loja"), Panel9);
    lblEstoq->setObjectName(u("lblEstoq"));
    edEstoq = new QLineEdit(Panel9);
    edEstoq->setObjectName(u("edEstoq"));
    edEstoq->setReadOnly(true);
    edEstoq->setFocusPolicy(Qt::NoFocus);
    edQuant = new QLineEdit(u("0"), Panel9);
    edQuant->setObjectName(u("edQuant"));
    edQuant->setAlignment(Qt::AlignRight);
    edQuant->setFixedWidth(100);
    lblPreco = new QLabel(u("Preço"), Panel9);
    edPreco = new QLineEdit(u("0"), Panel9);
    edPreco->setObjectName(u("edPreco"));
    edPreco->setAlignment(Qt::AlignRight);
    edPreco->setFixedWidth(100);
    lp->addWidget(rotuloProduto, 0, 0, 1, 2);
    lp->addWidget(new QLabel(u("Descrição"), Panel9), 0, 2);
    lp->addWidget(new QLabel(u("Un."), Panel9), 0, 3);
    lp->addWidget(lblEstoq, 0, 4);
    lp->addWidget(new QLabel(u("Quantidade"), Panel9), 0, 5);
    lp->addWidget(lblPreco, 0, 6);
    lp->addWidget(edProduto, 1, 0);
    lp->addWidget(btPesquisaProduto, 1, 1);
    lp->addWidget(DBEdit6, 1, 2);
    lp->addWidget(DBEdit21, 1, 3);
    lp->addWidget(edEstoq, 1, 4);
    lp->addWidget(edQuant, 1, 5);
    lp->addWidget(edPreco, 1, 6);
    lp->setColumnStretch(2, 1);
    raiz->addWidget(Panel9);

    auto* meio = new QHBoxLayout;
    auto* esquerda = new QVBoxLayout;
    dbgEmbalagens = grade(this,
                          {u("Código"), u("Descrição"), u("Qtde."), u("Preço"), u("Total"),
                           u("Cancelado"), u("Vendedor")},
                          "dbgEmbalagens");
    dbgEmbalagens->horizontalHeader()->setStretchLastSection(false);
    dbgEmbalagens->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    for (int c : {0, 2, 3, 4, 5, 6})
        dbgEmbalagens->setColumnWidth(c, c == 5 ? 75 : 70);
    esquerda->addWidget(dbgEmbalagens, 1);
    auto* GroupBox1 = new QWidget(this);
    auto* lt = new QHBoxLayout(GroupBox1);
    lt->setContentsMargins(0, 0, 0, 0);
    DBText3 = new QLabel(GroupBox1);
    DBText3->setObjectName(u("DBText3"));
    lblTotal = new QLabel(u("0,00"), GroupBox1);
    lblTotal->setObjectName(u("lblTotal"));
    QFont grande = lblTotal->font();
    grande.setPointSize(grande.pointSize() + 6);
    grande.setBold(true);
    lblTotal->setFont(grande);
    lt->addWidget(DBText3, 1);
    lt->addWidget(new QLabel(u("Total:"), GroupBox1));
    lt->addWidget(lblTotal);
    esquerda->addWidget(GroupBox1);
    auto* Panel10 = new QWidget(this);
    auto* lf = new QHBoxLayout(Panel10);
    lf->setContentsMargins(0, 0, 0, 0);
    lblFunc = new QLabel(Panel10);
    lblFunc->setObjectName(u("lblFunc"));
    lf->addWidget(new QLabel(u("Funcionário:"), Panel10));
    lf->addWidget(lblFunc, 1);
    esquerda->addWidget(Panel10);
    meio->addLayout(esquerda, 3);

    Panel7 = new QGroupBox(u("Comandas Abertas"), this);
    Panel7->setObjectName(u("Panel7"));
    auto* la = new QVBoxLayout(Panel7);
    cxGrid1 = grade(
        Panel7,
        {u(" Cód. Cli."), u("Cartão"), u("Data"), u("H. Inicial"), u("H. Final"), u("Status")},
        "cxGrid1");
    cxGrid1->setFocusPolicy(Qt::NoFocus);
    cxGrid1->setColumnWidth(1, 70);
    cxGrid1->setColumnWidth(2, 85);
    cxGrid1->setColumnWidth(3, 70);
    cxGrid1->setColumnWidth(4, 70);
    la->addWidget(cxGrid1, 1);
    gbDataAberto = new QGroupBox(u("Período"), Panel7);
    gbDataAberto->setObjectName(u("gbDataAberto"));
    auto* ld = new QHBoxLayout(gbDataAberto);
    edDataIni = new QDateEdit(QDate(2000, 1, 1), gbDataAberto);
    edDataIni->setObjectName(u("edDataIni"));
    edDataFin = new QDateEdit(QDate(2099, 12, 31), gbDataAberto);
    edDataFin->setObjectName(u("edDataFin"));
    for (QDateEdit* d : {edDataIni, edDataFin}) {
        d->setDisplayFormat(u("dd/MM/yyyy"));
        d->setCalendarPopup(true);
    }
    btPesquisarAbertas = new QPushButton(u("Pesquisar"), gbDataAberto);
    btPesquisarAbertas->setObjectName(u("btPesquisarAbertas"));
    ld->addWidget(edDataIni);
    ld->addWidget(edDataFin);
    ld->addWidget(btPesquisarAbertas);
    gbDataAberto->hide();
    la->addWidget(gbDataAberto);
    SpeedButton2 = new QPushButton(u("Atualizar Registros"), Panel7);
    SpeedButton2->setObjectName(u("SpeedButton2"));
    SpeedButton2->setFocusPolicy(Qt::NoFocus);
    la->addWidget(SpeedButton2);
    meio->addWidget(Panel7, 2);
    raiz->addLayout(meio, 1);

    StatusBar2 = new QStatusBar(this);
    StatusBar2->setObjectName(u("StatusBar2"));
    StatusBar2->setSizeGripEnabled(false);
    raiz->addWidget(StatusBar2);

    pnIdentificaMesa = new QFrame(this);
    pnIdentificaMesa->setObjectName(u("pnIdentificaMesa"));
    pnIdentificaMesa->setFrameShape(QFrame::Panel);
    pnIdentificaMesa->setFrameShadow(QFrame::Raised);
    pnIdentificaMesa->setAutoFillBackground(true);
    auto* lm = new QGridLayout(pnIdentificaMesa);
    lm->addWidget(new QLabel(u("Identificação de  Mesa"), pnIdentificaMesa), 0, 0, 1, 2);
    edMesa = new QLineEdit(pnIdentificaMesa);
    edMesa->setObjectName(u("edMesa"));
    edNumOcupante = new QLineEdit(pnIdentificaMesa);
    edNumOcupante->setObjectName(u("edNumOcupante"));
    for (QLineEdit* e : {edMesa, edNumOcupante}) {
        e->setMaxLength(6);
        e->setValidator(new QIntValidator(0, 999999, e));
    }
    lm->addWidget(new QLabel(u("Mesa"), pnIdentificaMesa), 1, 0);
    lm->addWidget(edMesa, 1, 1);
    lm->addWidget(new QLabel(u("Ocupantes"), pnIdentificaMesa), 2, 0);
    lm->addWidget(edNumOcupante, 2, 1);
    btSalvar = new QPushButton(u("Gravar"), pnIdentificaMesa);
    btSalvar->setObjectName(u("btSalvar"));
    btSalvar->setAutoDefault(true); // Enter on "Gravar" saves, as the table fields lead there
    btSair = new QPushButton(u("Sair"), pnIdentificaMesa);
    btSair->setObjectName(u("btSair"));
    lm->addWidget(btSalvar, 3, 0);
    lm->addWidget(btSair, 3, 1);
    pnIdentificaMesa->adjustSize();
    pnIdentificaMesa->hide();

    for (QObject* o : {static_cast<QObject*>(EditComanda), static_cast<QObject*>(edProduto),
                       static_cast<QObject*>(edQuant), static_cast<QObject*>(edPreco),
                       static_cast<QObject*>(dbgEmbalagens), static_cast<QObject*>(edMesa),
                       static_cast<QObject*>(edNumOcupante)})
        o->installEventFilter(this);
    connect(btPesquisaProduto, &QToolButton::clicked, this, [this] {
        const int codigo = m_s.pesquisaProduto ? m_s.pesquisaProduto() : 0;
        if (codigo <= 0) {
            edProduto->setFocus();
            return;
        }
        edProduto->setText(QString::number(codigo));
        buscaProdutoDigitado();
        if (m_produto) {
            lePeso();
            if (m_produto)
                edQuant->setFocus();
        } else {
            edProduto->setFocus();
        }
    });
    connect(SpeedButton2, &QPushButton::clicked, this, &TfrmAtendimento::ComandasAbertas);
    connect(btPesquisarAbertas, &QPushButton::clicked, this, &TfrmAtendimento::ComandasAbertas);
    connect(cxGrid1, &QTableWidget::cellClicked, this,
            [this](int linha, int) { pegaDaLista(linha); });
    connect(dbgEmbalagens, &QTableWidget::currentCellChanged, this,
            [this](int, int, int, int) { mostraAtendente(); });
    connect(btSalvar, &QPushButton::clicked, this, &TfrmAtendimento::gravaMesa);
    connect(btSair, &QPushButton::clicked, this, [this] {
        pnIdentificaMesa->hide();
        edMesa->clear();
        edNumOcupante->clear();
        // The table already stored stays: the next item writes it back unchanged.
        if (m_persistencia->cabecalho) {
            m_persistencia->MesaSelecionada = m_persistencia->cabecalho->MESA;
            m_persistencia->Num_Ocupante = m_persistencia->cabecalho->NUM_OCUPANTE;
        }
        edProduto->setFocus();
    });
}

void TfrmAtendimento::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    const QString erro = InicializaBrisvel();
    if (!erro.isEmpty())
        m_s.interacao->erro(erro);
    dbgEmbalagens->setColumnHidden(4, !m_config.ExibeValorTotal);
    TrataFormulario(m_tipo);
    lblMesaAtual->setVisible(m_config.CartaoMesa);
    edMesaAtual->setVisible(m_config.CartaoMesa);
    ComandasAbertas();
}

void TfrmAtendimento::TrataFormulario(QChar sTipo)
{
    const bool condominio = ConfigGeral.Condominio;
    cxGrid1->setColumnHidden(0, !(sTipo == QLatin1Char('D') && m_config.SenhaCliente));
    edEstoq->hide();
    lblEstoq->hide();
    edPreco->hide();
    lblPreco->hide();
    if (sTipo == QLatin1Char('C')) {
        grpBrisvel->show();
        btVincularCmdConsumo->setVisible(m_config.GerenciaComanda);
        Panel7->setTitle(u("Comandas Abertas"));
        cxGrid1->horizontalHeaderItem(1)->setText(u("Cartão"));
        StatusBar2->showMessage(u("[F7 Edita Brisvel ]   [F9 Novo]   [F12 Mesa] "));
        EditComanda->setFocus();
    } else if (sTipo == QLatin1Char('D') || sTipo == QLatin1Char('P')) {
        const bool orcamento = sTipo == QLatin1Char('D');
        const QString numero =
            orcamento ? (condominio ? u("Lançamento") : u("Orçamento")) : u("Pre Venda");
        Panel7->setTitle(orcamento
                             ? (condominio ? u("Lançamentos Abertos") : u("Orçamentos Abertos"))
                             : u("Pre Vendas"));
        cxGrid1->horizontalHeaderItem(1)->setText(numero);
        if (condominio)
            cxGrid1->horizontalHeaderItem(0)->setText(u("Morador"));
        if (orcamento) {
            m_config.CartaoMesa = false;
            pnIdentificaMesa->hide();
            edEstoq->setVisible(m_config.MostrarEstoque);
            lblEstoq->setVisible(m_config.MostrarEstoque);
            edPreco->setVisible(m_config.MostrarPreco);
            lblPreco->setVisible(m_config.MostrarPreco);
        } else {
            StatusBar2->showMessage(u("[F7 Edita Pré Venda ]"));
        }
        grpBrisvel->setVisible(!orcamento);
    } else {
        grpBrisvel->hide();
        Panel7->setTitle(u("Kits em Aberto"));
        cxGrid1->horizontalHeaderItem(1)->setText(u(" Kit "));
        DBText3->hide();
        StatusBar2->showMessage(
            u("[F9 Novo ]   [F7 Cancelar ]   [F8 Pesquisar Kit]   [F6 Imprimir ]"));
    }
}

void TfrmAtendimento::ComandasAbertas()
{
    try {
        m_abertas = m_listas->ComandasAbertas(m_tipo, m_config.MostrarPedidoDelivery,
                                              edDataIni->date(), edDataFin->date());
    } catch (const Falha& f) {
        m_s.interacao->erro(f.mensagem());
        return;
    }
    cxGrid1->setRowCount(static_cast<int>(m_abertas.size()));
    for (int i = 0; i < m_abertas.size(); ++i) {
        const LinhaAberta& l = m_abertas[i];
        cxGrid1->setItem(i, 0, celula(l.COD_CLI ? QString::number(l.COD_CLI) : QString()));
        cxGrid1->setItem(i, 1, celula(QString::number(l.NUM_COMANDA), Qt::AlignRight));
        cxGrid1->setItem(i, 2, celula(l.DATA.toString(u("dd/MM/yyyy"))));
        cxGrid1->setItem(i, 3, celula(l.HORA.toString(u("HH:mm"))));
        cxGrid1->setItem(i, 4, celula(l.HORA_FINAL.toString(u("HH:mm"))));
        cxGrid1->setItem(i, 5, celula(l.status));
        if (l.NUM_COMANDA == m_persistencia->numeroCartao())
            cxGrid1->selectRow(i);
    }
}

void TfrmAtendimento::LimpaTela()
{
    if (m_config.ForcarSenha)
        m_persistencia->VendedorIdentificado = 0;
    m_persistencia->ClienteAutorizado = 0;
    m_persistencia->LimpaDocumento();
    limpaProduto();
    edProduto->clear();
    m_itens.clear();
    dbgEmbalagens->setRowCount(0);
    lblTotal->setText(u("0,00"));
    DBText3->clear();
    lblFunc->clear();
    edMesaAtual->clear();
    lbNumComanda->setText(u("000000000"));
    if (m_tipo == QLatin1Char('C')) {
        EditComanda->clear();
        m_persistencia->EditComanda.clear();
        EditComanda->setFocus();
    }
}

void TfrmAtendimento::aplicaFoco(Foco foco)
{
    switch (foco) {
    case Foco::EditComanda:
        EditComanda->setFocus();
        EditComanda->selectAll();
        break;
    case Foco::edProduto:
        edProduto->setFocus();
        edProduto->selectAll();
        break;
    case Foco::edQuant:
        edQuant->setFocus();
        edQuant->selectAll();
        break;
    case Foco::edMesa:
        mostraPainelMesa();
        break;
    default:
        break;
    }
}

void TfrmAtendimento::InicializaComanda()
{
    const auto a = m_persistencia->InicializaComanda(EditComanda->text());
    EditComanda->setText(m_persistencia->EditComanda);
    if (a.limparTela)
        LimpaTela();
    if (!a.carregada) {
        m_itens.clear();
        dbgEmbalagens->setRowCount(0);
        lblTotal->setText(u("0,00"));
        aplicaFoco(a.foco);
        return;
    }
    if (a.mesa.isValid()) {
        edMesa->setText(a.mesa.toString());
        edNumOcupante->setText(a.ocupantes.toString());
    }
    recarregaDocumento();
    if (a.mostrarPainelMesa)
        mostraPainelMesa();
    else {
        pnIdentificaMesa->hide();
        edProduto->setFocus();
    }
}

void TfrmAtendimento::recarregaDocumento()
{
    const auto& cab = m_persistencia->cabecalho;
    try {
        m_itens = cab ? m_listas->ShowItems(cab->DOCUMENTO, m_tipo) : QList<LinhaItem>();
        lblTotal->setText(
            dinheiro(cab ? m_listas->total(m_tipo, m_persistencia->numeroCartao()) : 0));
    } catch (const Falha& f) {
        m_s.interacao->erro(f.mensagem());
    }
    edMesaAtual->setText(cab && !cab->MESA.isNull() ? cab->MESA.toString() : QString());
    lbNumComanda->setText(
        QStringLiteral("%1").arg(m_persistencia->numeroCartao(), 9, 10, QLatin1Char('0')));
    dbgEmbalagens->setRowCount(static_cast<int>(m_itens.size()));
    const QColor verde(0x00, 0x6A, 0x00);
    for (int i = 0; i < m_itens.size(); ++i) {
        const LinhaItem& it = m_itens[i];
        const QStringList textos = {QString::number(it.COD_PROD),
                                    it.DESCRICAO,
                                    quantidade(it.VLR_QTDE),
                                    dinheiro(it.VLR_PRECO),
                                    dinheiro(it.VLR_TOTAL),
                                    it.CHK_CANCELADO,
                                    it.COD_VEND ? QString::number(it.COD_VEND) : QString()};
        for (int c = 0; c < textos.size(); ++c) {
            auto* item = celula(textos[c], c == 1 || c == 5 ? Qt::AlignLeft : Qt::AlignRight);
            if (it.impresso())
                item->setForeground(verde);
            else if (it.cancelado())
                item->setForeground(Qt::red);
            dbgEmbalagens->setItem(i, c, item);
        }
    }
    mostraAtendente();
    ComandasAbertas();
}

void TfrmAtendimento::limpaProduto()
{
    m_produto.reset();
    DBEdit6->clear();
    DBEdit21->clear();
    edEstoq->clear();
}

void TfrmAtendimento::buscaProdutoDigitado()
{
    limpaProduto();
    try {
        const int cliente = m_persistencia->cabecalho ? m_persistencia->cabecalho->COD_CLI : 0;
        const ResultadoBusca r = m_entrada->BuscaProduto(edProduto->text(), cliente);
        if (!r.textoProduto.isEmpty())
            edProduto->setText(r.textoProduto);
        if (r.quantidadeEtiqueta)
            edQuant->setText(quantidade(*r.quantidadeEtiqueta));
        m_produto = r.produto;
    } catch (const Falha& f) {
        m_s.interacao->erro(f.mensagem());
    }
    if (m_produto) {
        DBEdit6->setText(m_produto->DESCRICAO);
        DBEdit21->setText(m_produto->FLG_UNIDADE_VENDA);
        edEstoq->setText(quantidade(m_produto->Estoque));
    }
}

void TfrmAtendimento::propoeQuantidade()
{
    if (numeroDe(edQuant->text()) > 0)
        return;
    if (m_config.QuantidadePadraoAutomatica && m_produto && m_produto->porUnidade()) {
        edQuant->setText(u("1"));
        edQuant->selectAll();
    } else {
        edQuant->clear();
    }
}

void TfrmAtendimento::depoisDaBusca(bool codigoDigitado)
{
    const bool precoNoOrcamento = m_tipo == QLatin1Char('D') && m_config.MostrarPreco;
    if (codigoDigitado) {
        if (precoNoOrcamento && m_produto) {
            edPreco->setText(dinheiro(m_entrada->ConsultaPrecoProduto(*m_produto, 0)));
            edPreco->setFocus();
            edPreco->selectAll();
            return;
        }
        propoeQuantidade();
        edQuant->setFocus();
        edQuant->selectAll();
        return;
    }
    // A scanned barcode is added at once with the proposed quantity.
    if (precoNoOrcamento) {
        edPreco->clear();
        edPreco->setFocus();
        return;
    }
    propoeQuantidade();
    if (m_produto)
        InsereComanda();
    else
        edProduto->selectAll();
}

bool TfrmAtendimento::teclaDoProduto(QKeyEvent* e)
{
    const QString texto = edProduto->text().trimmed();
    if (ehEnter(e->key())) {
        if (texto.isEmpty())
            return true;
        if (texto == QLatin1String("0")) {
            if (btPesquisaProduto->isEnabled())
                btPesquisaProduto->click();
            return true;
        }
        buscaProdutoDigitado();
        if (!m_produto) {
            m_s.interacao->atencao(u("Produto não encontrado!"));
            edProduto->setFocus();
            edProduto->selectAll();
            return true;
        }
        depoisDaBusca(texto.size() <= 7);
        return true;
    }
    if (e->key() == Qt::Key_Escape) {
        escNoProduto();
        return true;
    }
    return false;
}

void TfrmAtendimento::escNoProduto()
{
    const bool imprime = m_tipo == QLatin1Char('C') || m_tipo == QLatin1Char('P');
    if (imprime && m_persistencia->cabecalho && m_config.Imprime && m_s.imprimeProducao)
        m_s.imprimeProducao(m_persistencia->cabecalho->DOCUMENTO, m_tipo, m_config);
    LimpaTela();
    if (imprime) {
        EditComanda->setFocus();
    }
}

bool TfrmAtendimento::teclaDaQuantidade(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Asterisk) {
        if (m_produto && !m_produto->porUnidade())
            lePeso();
        return true;
    }
    if (ehEnter(e->key())) {
        enterNaQuantidade();
        return true;
    }
    if (e->key() == Qt::Key_Escape) {
        escNaQuantidade();
        return true;
    }
    const QString t = e->text();
    if (m_produto && !t.isEmpty() && t[0].isPrint()) {
        const QChar c = t[0];
        const bool digito = c.isDigit();
        const bool separador = c == QLatin1Char(',') && !m_produto->porUnidade();
        return !(digito || separador);
    }
    return false;
}

void TfrmAtendimento::escNaQuantidade()
{
    if (m_tipo == QLatin1Char('C') || m_tipo == QLatin1Char('P'))
        EditComanda->setFocus();
    else if (ehKit(m_tipo))
        LimpaTela();
}

void TfrmAtendimento::enterNaQuantidade()
{
    if (m_entrada->VerificaQuantidade(edQuant->text())) {
        edQuant->setFocus();
        edQuant->selectAll();
        return;
    }
    InsereComanda();
}

void TfrmAtendimento::InsereComanda()
{
    m_persistencia->EditComanda = EditComanda->text();
    if (!m_produto) {
        m_s.interacao->atencao(u("Produto não encontrado!"));
        edProduto->setFocus();
        return;
    }
    const double qtde = numeroDe(edQuant->text());
    const bool precoDigitado = m_tipo == QLatin1Char('D') && m_config.MostrarPreco;
    double preco = 0;
    try {
        const int cliente = m_persistencia->cabecalho ? m_persistencia->cabecalho->COD_CLI : 0;
        preco = precoDigitado ? numeroDe(edPreco->text())
                              : m_entrada->ConsultaPrecoProduto(*m_produto, cliente);
    } catch (const Falha& f) {
        m_s.interacao->erro(u("Problemas ao gravar tabela CMD_ITEM ") + f.mensagem());
        return;
    }
    const auto g = m_persistencia->InsereComanda(*m_produto, qtde, preco);
    if (g.limparTela)
        LimpaTela();
    if (!g.gravado) {
        if (m_persistencia->cabecalho)
            recarregaDocumento();
        aplicaFoco(g.foco);
        return;
    }
    recarregaDocumento();
    for (int i = 0; i < m_itens.size(); ++i)
        if (m_itens[i].NUM_ITEM == g.numItem)
            dbgEmbalagens->selectRow(i);
    edProduto->clear();
    edQuant->setText(u("0"));
    edPreco->setText(u("0"));
    limpaProduto();
    edProduto->setFocus();
}

void TfrmAtendimento::lePeso()
{
    if (!m_produto || !m_config.BalancaAtivo)
        return;
    if (!m_balanca) {
        if (!m_s.criaBalanca)
            return;
        m_balanca = m_s.criaBalanca(m_config);
        if (!m_balanca)
            return;
    }
    const ResultadoPeso r = BuscaPeso(*m_produto, m_config, *m_balanca, *m_s.interacao);
    if (r.tipo == ResultadoPeso::Tipo::Peso) {
        edQuant->setText(quantidade(r.peso));
        edQuant->setFocus();
        edQuant->selectAll();
    } else if (r.tipo == ResultadoPeso::Tipo::ProdutoDescartado) {
        limpaProduto();
    }
}

void TfrmAtendimento::observacaoDoItem()
{
    const int linha = dbgEmbalagens->currentRow();
    if (linha < 0 || linha >= m_itens.size() || !m_s.observacaoItem)
        return;
    const LinhaItem item = m_itens[linha];
    const std::optional<QString> texto = m_s.observacaoItem();
    try {
        Observacoes(*m_s.dm).gravaNoItem(item.DOCUMENTO, item.NUM_ITEM, texto.value_or(QString()));
    } catch (const Falha& f) {
        m_s.interacao->erro(f.mensagem());
    }
    recarregaDocumento();
    edProduto->setFocus();
}

void TfrmAtendimento::atendenteDoItem()
{
    const int linha = dbgEmbalagens->currentRow();
    if (linha < 0 || linha >= m_itens.size())
        return;
    try {
        m_persistencia->InsereAtendente(m_itens[linha].NUM_ITEM, false);
    } catch (const Falha& f) {
        m_s.interacao->erro(f.mensagem());
    }
    recarregaDocumento();
    edProduto->setFocus();
    mostraAtendente();
}

void TfrmAtendimento::mostraAtendente()
{
    const int linha = dbgEmbalagens->currentRow();
    if (linha < 0 || linha >= m_itens.size()) {
        lblFunc->clear();
        DBText3->clear();
        return;
    }
    DBText3->setText(m_itens[linha].OBS);
    lblFunc->setText(m_itens[linha].COD_VEND > 0
                         ? m_persistencia->MostraFunc(m_itens[linha].COD_VEND)
                         : QString());
}

void TfrmAtendimento::pegaDaLista(int linha)
{
    if (linha < 0 || linha >= m_abertas.size())
        return;
    m_persistencia->StatusItem = u("I");
    EditComanda->setText(QString::number(m_abertas[linha].NUM_COMANDA));
    m_ultimoCartaoAberto.clear();
    InicializaComanda();
    pnIdentificaMesa->hide();
}

void TfrmAtendimento::mostraPainelMesa()
{
    pnIdentificaMesa->adjustSize();
    pnIdentificaMesa->move((width() - pnIdentificaMesa->width()) / 2,
                           (height() - pnIdentificaMesa->height()) / 2);
    pnIdentificaMesa->show();
    pnIdentificaMesa->raise();
    edMesa->setFocus();
    edMesa->selectAll();
}

void TfrmAtendimento::gravaMesa()
{
    const int mesa = edMesa->text().toInt();
    const int ocupantes = edNumOcupante->text().toInt();
    m_persistencia->MesaSelecionada = mesa > 0 ? QVariant(mesa) : QVariant();
    m_persistencia->Num_Ocupante = ocupantes > 0 ? QVariant(ocupantes) : QVariant();
    if (m_config.CartaoMesa)
        m_persistencia->InsereMesa();
    pnIdentificaMesa->hide();
    edMesaAtual->setText(mesa > 0 ? QString::number(mesa) : QString());
    edProduto->setFocus();
}

void TfrmAtendimento::reabre()
{
    if (m_persistencia->ReabreComanda())
        recarregaDocumento();
    edProduto->setFocus();
}

bool TfrmAtendimento::eventFilter(QObject* alvo, QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (alvo == EditComanda) {
            if (ehEnter(k->key())) {
                m_ultimoCartaoAberto = EditComanda->text();
                InicializaComanda();
                return true;
            }
            if (k->key() == Qt::Key_Escape) {
                close();
                return true;
            }
        } else if (alvo == edProduto) {
            return teclaDoProduto(k);
        } else if (alvo == edQuant) {
            return teclaDaQuantidade(k);
        } else if (alvo == edPreco && ehEnter(k->key())) {
            propoeQuantidade();
            edQuant->setFocus();
            edQuant->selectAll();
            return true;
        } else if (alvo == dbgEmbalagens) {
            if (ehEnter(k->key())) {
                observacaoDoItem();
                return true;
            }
            if (k->key() == Qt::Key_Escape) {
                edProduto->setFocus();
                return true;
            }
        } else if ((alvo == edMesa || alvo == edNumOcupante) && k->key() == Qt::Key_Escape) {
            btSair->click();
            return true;
        } else if (alvo == edMesa && ehEnter(k->key())) {
            edNumOcupante->setFocus();
            return true;
        } else if (alvo == edNumOcupante && ehEnter(k->key())) {
            btSalvar->setFocus();
            return true;
        }
    } else if (e->type() == QEvent::FocusOut) {
        if (alvo == EditComanda && EditComanda->text() != m_ultimoCartaoAberto && isVisible()) {
            m_ultimoCartaoAberto = EditComanda->text();
            InicializaComanda();
        } else if (alvo == edProduto && m_produto && !m_produto->porUnidade()) {
            lePeso();
        }
    }
    return QWidget::eventFilter(alvo, e);
}

void TfrmAtendimento::tabPressionado(QWidget* onde)
{
    // From an empty product field, Tab leads into the item grid when it has items.
    if (onde == edProduto && edProduto->text().isEmpty() && dbgEmbalagens->rowCount() > 0)
        dbgEmbalagens->setFocus();
}

void TfrmAtendimento::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_F5:
        atendenteDoItem();
        return;
    case Qt::Key_F7:
        if (m_s.abreMesa) {
            m_s.abreMesa(m_tipo, SomenteNumeros(EditComanda->text()));
            LimpaTela();
        }
        return;
    case Qt::Key_F9:
        LimpaTela();
        return;
    case Qt::Key_F11:
        reabre();
        return;
    case Qt::Key_F12: {
        TfrmAtendimento* recente = maisRecente();
        if (recente && recente->m_persistencia->cabecalho &&
            recente->m_persistencia->cabecalho->DOCUMENTO > 0)
            recente->mostraPainelMesa();
        return;
    }
    default:
        QWidget::keyPressEvent(e);
    }
}
