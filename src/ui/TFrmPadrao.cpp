#include "TFrmPadrao.h"

#include "CaixaMensagem.h"
#include "DicaGravacao.h"
#include "platform/Falha.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{
QToolButton* botaoTexto(QWidget* barra, const char* nome, const QString& texto, QMenu* menu)
{
    auto* b = new QToolButton(barra);
    b->setAutoRaise(true);
    b->setObjectName(QString::fromUtf8(nome));
    b->setText(texto);
    b->setMenu(menu);
    b->setPopupMode(QToolButton::InstantPopup);
    barra->layout()->addWidget(b);
    return b;
}

QToolButton* botaoImagem(QWidget* barra, const char* nome, const QString& dica,
                         QStyle::StandardPixmap imagem)
{
    auto* b = new QToolButton(barra);
    b->setAutoRaise(true);
    b->setIconSize(QSize(24, 24));
    b->setObjectName(QString::fromUtf8(nome));
    b->setToolTip(dica);
    b->setText(dica);
    b->setIcon(barra->style()->standardIcon(imagem));
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    barra->layout()->addWidget(b);
    return b;
}
} // namespace

TFrmPadrao::TFrmPadrao(TDMXAL& dm, int codLoja, QWidget* parent)
    : QDialog(parent), m_dm(dm), m_codLoja(codLoja), m_interacao(this),
      m_rotinas(dm, codLoja, m_interacao)
{
    setObjectName(QStringLiteral("FrmPadrao"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    CdsPadrao = new ConjuntoDados(dm, this);
    CdsPadrao->setObjectName(QStringLiteral("CdsPadrao"));
    CdsVerifica = new ConjuntoDados(dm, this);
    CdsVerifica->setObjectName(QStringLiteral("CdsVerifica"));
    CdsConfig = new ConjuntoDados(dm, this);
    CdsConfig->setObjectName(QStringLiteral("CdsConfig"));
    CdsConfig->defineComando(Catalogo::texto(QStringLiteral("ConfiguracaoLoja"), dm.motor()),
                             {{QStringLiteral("PCOD_LOJA"), codLoja}});
    CdsLoja = new ConjuntoDados(dm, this);
    CdsLoja->setObjectName(QStringLiteral("CdsLoja"));
    CdsLoja->defineComando(Catalogo::texto(QStringLiteral("SqlLoja"), dm.motor()),
                           {{QStringLiteral("PCOD_LOJA"), codLoja}});
    // The record set starts on the store, as the descendants that keep no records expect.
    CdsPadrao->defineComando(Catalogo::texto(QStringLiteral("SqlLoja"), dm.motor()),
                             {{QStringLiteral("PCOD_LOJA"), codLoja}});
    montaBarras();
    defineDsPadrao(CdsPadrao);
    connect(CdsPadrao, &ConjuntoDados::aberto, this, acao(&TFrmPadrao::CdsPadraoAfterOpen));
    qApp->installEventFilter(this);
}

TFrmPadrao::~TFrmPadrao()
{
    qApp->removeEventFilter(this);
}

QColor TFrmPadrao::corFoco()
{
    // $E6FFFF is blue E6, green FF, red FF.
    return QColor(0xFF, 0xFF, 0xE6);
}

void TFrmPadrao::montaBarras()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    PopSair = new QMenu(this);
    PopSair->setObjectName(QStringLiteral("PopSair"));
    connect(PopSair->addAction(QStringLiteral("Sair")), &QAction::triggered, this,
            acao(&TFrmPadrao::TBSairClick));
    PopEditar = new QMenu(this);
    PopEditar->setObjectName(QStringLiteral("PopEditar"));
    connect(PopEditar->addAction(QStringLiteral("Novo")), &QAction::triggered, this,
            acao(&TFrmPadrao::TBNovoClick));
    PopEditar->addSeparator();
    QAction* salvar = PopEditar->addAction(QStringLiteral("Salvar"));
    salvar->setEnabled(false);
    connect(salvar, &QAction::triggered, this, acao(&TFrmPadrao::TBSalvarClick));
    PopEditar->addSeparator();
    connect(PopEditar->addAction(QStringLiteral("Alterar")), &QAction::triggered, this,
            acao(&TFrmPadrao::TBAlterarClick));
    PopEditar->addSeparator();
    QAction* cancelar = PopEditar->addAction(QStringLiteral("Cancelar"));
    cancelar->setEnabled(false);
    connect(cancelar, &QAction::triggered, this, acao(&TFrmPadrao::TBCancelarClick));
    PopEditar->addSeparator();
    connect(PopEditar->addAction(QStringLiteral("Deletar")), &QAction::triggered, this,
            acao(&TFrmPadrao::TBDeletarClick));
    PopRelatorio = new QMenu(this);
    PopRelatorio->setObjectName(QStringLiteral("PopRelatorio"));
    connect(PopRelatorio->addAction(QStringLiteral("Visualizar")), &QAction::triggered, this,
            acao(&TFrmPadrao::TBImprimirClick));
    PopPesquisar = new QMenu(this);
    PopPesquisar->setObjectName(QStringLiteral("PopPesquisar"));
    connect(PopPesquisar->addAction(QStringLiteral("Pesquisar")), &QAction::triggered, this,
            acao(&TFrmPadrao::TBVisulizarClick));

    CoolBar1 = new QWidget(this);
    CoolBar1->setObjectName(QStringLiteral("CoolBar1"));
    auto* linha1 = new QHBoxLayout(CoolBar1);
    linha1->setContentsMargins(0, 0, 0, 0);
    ToolBar1 = new QWidget(CoolBar1);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    new QHBoxLayout(ToolBar1);
    ToolBar1->layout()->setContentsMargins(0, 0, 0, 0);
    ToolButton1 = botaoTexto(ToolBar1, "ToolButton1", QStringLiteral(" &Arquivo"), PopSair);
    ToolButton2 = botaoTexto(ToolBar1, "ToolButton2", QStringLiteral("  &Editar "), PopEditar);
    ToolButton9 = botaoTexto(ToolBar1, "ToolButton9", QStringLiteral("&Pesquisar"), PopPesquisar);
    ToolButton3 =
        botaoTexto(ToolBar1, "ToolButton3", QString::fromUtf8(" &Relatório"), PopRelatorio);
    ToolButton1->setVisible(false);
    pnSis = new QLabel(QStringLiteral("Sistema Orlix"), CoolBar1);
    pnSis->setObjectName(QStringLiteral("pnSis"));
    pnSis->setVisible(false);
    linha1->addWidget(ToolBar1);
    linha1->addWidget(pnSis);
    linha1->addStretch();
    layout->addWidget(CoolBar1);

    CoolBar2 = new QWidget(this);
    CoolBar2->setObjectName(QStringLiteral("CoolBar2"));
    auto* linha2 = new QHBoxLayout(CoolBar2);
    linha2->setContentsMargins(0, 0, 0, 0);
    ToolBar2 = new QWidget(CoolBar2);
    ToolBar2->setObjectName(QStringLiteral("ToolBar2"));
    new QHBoxLayout(ToolBar2);
    ToolBar2->layout()->setContentsMargins(0, 0, 0, 0);
    TBNovo = botaoImagem(ToolBar2, "TBNovo", QStringLiteral("Novo registro"), QStyle::SP_FileIcon);
    TBSalvar = botaoImagem(ToolBar2, "TBSalvar", QStringLiteral("Salvar registro"),
                           QStyle::SP_DialogSaveButton);
    TBSalvar->setEnabled(false);
    TBAlterar = botaoImagem(ToolBar2, "TBAlterar", QStringLiteral("Alterar registro"),
                            QStyle::SP_FileDialogDetailedView);
    TBCancelar = botaoImagem(ToolBar2, "TBCancelar", QStringLiteral("Cancelar registro"),
                             QStyle::SP_DialogCancelButton);
    TBCancelar->setEnabled(false);
    TBDeletar = botaoImagem(ToolBar2, "TBDeletar", QStringLiteral("Deletar registro"),
                            QStyle::SP_TrashIcon);
    TBVisulizar = botaoImagem(ToolBar2, "TBVisulizar", QStringLiteral("Pesquisar registros"),
                              QStyle::SP_FileDialogContentsView);
    TBImprimir = botaoImagem(ToolBar2, "TBImprimir", QStringLiteral("Imprimir"),
                             QStyle::SP_FileDialogListView);
    TBSair = botaoImagem(ToolBar2, "TBSair", QStringLiteral("Sair"), QStyle::SP_DialogCloseButton);
    BtFavoritos = botaoImagem(ToolBar2, "BtFavoritos", QStringLiteral("Adicionar ao Favoritos"),
                              QStyle::SP_DialogYesButton);
    TBSair->setVisible(false);
    PanelHint = new QLabel(CoolBar2);
    PanelHint->setObjectName(QStringLiteral("PanelHint"));
    PanelHint->setVisible(false);
    linha2->addWidget(ToolBar2);
    linha2->addWidget(PanelHint);
    linha2->addStretch();
    layout->addWidget(CoolBar2);

    connect(TBNovo, &QToolButton::clicked, this, acao(&TFrmPadrao::TBNovoClick));
    connect(TBSalvar, &QToolButton::clicked, this, acao(&TFrmPadrao::TBSalvarClick));
    connect(TBAlterar, &QToolButton::clicked, this, acao(&TFrmPadrao::TBAlterarClick));
    connect(TBCancelar, &QToolButton::clicked, this, acao(&TFrmPadrao::TBCancelarClick));
    connect(TBDeletar, &QToolButton::clicked, this, acao(&TFrmPadrao::TBDeletarClick));
    connect(TBVisulizar, &QToolButton::clicked, this, acao(&TFrmPadrao::TBVisulizarClick));
    connect(TBImprimir, &QToolButton::clicked, this, acao(&TFrmPadrao::TBImprimirClick));
    connect(TBSair, &QToolButton::clicked, this, acao(&TFrmPadrao::TBSairClick));
    connect(BtFavoritos, &QToolButton::clicked, this, acao(&TFrmPadrao::BtFavoritosClick));

    PanelCentral = new QFrame(this);
    PanelCentral->setObjectName(QStringLiteral("PanelCentral"));
    PanelCentral->setFrameShape(QFrame::StyledPanel);
    PanelCentral->setMouseTracking(true);
    layout->addWidget(PanelCentral, 1);

    StatusBar2 = new QStatusBar(this);
    StatusBar2->setObjectName(QStringLiteral("StatusBar2"));
    StatusBar2->setSizeGripEnabled(false);
    const QString textos[3] = {QStringLiteral("[ Esc = Sair ]"),
                               QStringLiteral(" [ Enter para mudar de campo ]"), QString()};
    for (int i = 0; i < 3; ++i) {
        m_paineis[i] = new QLabel(textos[i], StatusBar2);
        m_paineis[i]->setObjectName(QStringLiteral("StatusBar2Painel%1").arg(i));
        StatusBar2->addWidget(m_paineis[i], i == 2 ? 1 : 0);
    }
    layout->addWidget(StatusBar2);
}

QString TFrmPadrao::textoStatus(int painel) const
{
    return painel >= 0 && painel < 3 ? m_paineis[painel]->text() : QString();
}

void TFrmPadrao::defineTextoStatus(int painel, const QString& texto)
{
    if (painel >= 0 && painel < 3)
        m_paineis[painel]->setText(texto);
}

void TFrmPadrao::defineDsPadrao(ConjuntoDados* conjunto)
{
    if (m_dsPadrao)
        disconnect(m_dsPadrao, nullptr, this, nullptr);
    m_dsPadrao = conjunto;
    if (!conjunto)
        return;
    connect(conjunto, &ConjuntoDados::estadoMudou, this, acao(&TFrmPadrao::DsPadraoStateChange));
    connect(conjunto, &ConjuntoDados::dadosMudaram, this, [this] {
        atualizaCamposLigados();
        DsPadraoDataChange();
    });
    DsPadraoStateChange();
}

std::function<void()> TFrmPadrao::acao(void (TFrmPadrao::*handler)())
{
    return [this, handler] { protegido([this, handler] { (this->*handler)(); }); };
}

void TFrmPadrao::protegido(const std::function<void()>& acao)
{
    try {
        acao();
    } catch (const Falha& f) {
        interacao().erro(f.mensagem());
    } catch (const std::exception& e) {
        interacao().erro(QString::fromUtf8(e.what()));
    }
}

void TFrmPadrao::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (evento->spontaneous())
        return;
    protegido([this] {
        if (!m_criado) {
            m_criado = true;
            FormCreate();
        }
        FormShow();
    });
}

bool TFrmPadrao::event(QEvent* evento)
{
    if (evento->type() == QEvent::WindowActivate)
        protegido([this] { FormActivate(); });
    return QDialog::event(evento);
}

void TFrmPadrao::done(int resultado)
{
    bool podeFechar = true;
    protegido([&] { FormCloseQuery(podeFechar); });
    if (!podeFechar)
        return;
    protegido([this] { FormClose(); });
    QDialog::done(resultado);
}

void TFrmPadrao::FormCreate()
{
    try {
        CdsConfig->abre();
    } catch (const Falha&) {
        // Without its settings row the window still works; what needs them says so.
    }
    TrataPage(false);
    TrataDataEdit();
}

void TFrmPadrao::FormShow()
{
    pnSis->setVisible(ToolButton1->isHidden() && ToolButton2->isHidden() &&
                      ToolButton9->isHidden() && ToolButton3->isHidden());
    if (m_dsPadrao && !m_dsPadrao->ativo())
        m_dsPadrao->abre();
    if (!CdsConfig->ativo()) {
        try {
            CdsConfig->abre();
        } catch (const Falha&) {
        }
    }
    m_caption = windowTitle();
}

void TFrmPadrao::FormActivate()
{
    move(x(), 24);
}

void TFrmPadrao::FormClose()
{
    if (m_dsPadrao)
        m_dsPadrao->fecha();
    CdsVerifica->fecha();
    CdsConfig->fecha();
}

void TFrmPadrao::FormCloseQuery(bool& CanClose)
{
    if (m_dsPadrao && m_dsPadrao->editando()) {
        CaixaMensagem::mostra(this, QMessageBox::Warning, QString::fromUtf8("Informação"),
                              QString::fromUtf8("Atenção!\rÉ necessário que Salve ou Cancele\r"
                                                "o Registro antes de sair!"));
        CanClose = false;
    }
}

void TFrmPadrao::TBSairClick()
{
    close();
}

void TFrmPadrao::TBNovoClick()
{
    // Already editing: the buttons show it; a second "new" would only turn them around.
    if (m_dsPadrao->editando())
        return;
    // The record first: when it cannot be appended the buttons stay as they were.
    m_dsPadrao->Append();
    TrataBotao();
    TrataPage(true);
    DsPadraoDataChange();
    m_operacao = QStringLiteral("INCLUIDO");
}

void TFrmPadrao::TBSalvarClick()
{
    if (!VerificaSeExiste(TabelaVerifica))
        return;
    ConjuntoDados& ds = *m_dsPadrao;
    if (ds.estado() == ConjuntoDados::Estado::Inserindo) {
        if (ds.temCampo(QStringLiteral("COD_LOJA")))
            ds.defineValor(QStringLiteral("COD_LOJA"), m_codLoja);
        ds.Post();
        if (ds.ChangeCount() > 0 && !aplicaAlteracoes())
            return;
        TrataBotao();
        TBImprimir->setEnabled(true);
    } else if (ds.estado() == ConjuntoDados::Estado::Editando) {
        ds.Post();
        if (ds.ChangeCount() > 0) {
            if (!aplicaAlteracoes())
                return;
        } else {
            Mensagem(QStringLiteral("Nenhum registro alterado!"));
        }
        TrataBotao();
        TrataPage(false);
        DsPadraoDataChange();
    }
}

bool TFrmPadrao::aplicaAlteracoes()
{
    CdsPadraoBeforeApplyUpdates();
    const QString erro = m_dsPadrao->ApplyUpdates();
    if (erro.isEmpty())
        return true;
    // The refused record stays on screen in editing, with what was typed, to be mended.
    m_dsPadrao->retomaEdicao();
    CdsPadraoReconcileError(erro);
    return false;
}

void TFrmPadrao::CdsPadraoReconcileError(const QString& mensagem)
{
    const DicaGravacao dica = traduzErroGravacao(mensagem, m_dsPadrao->chavePrimaria());
    switch (dica.tipo) {
    case DicaGravacao::Tipo::CampoObrigatorio:
        MensagemAtencao(dica.mensagem);
        ValidaCampo(dica.campo);
        break;
    case DicaGravacao::Tipo::ChavePrimaria:
        MensagemAtencao(dica.mensagem);
        ValidaCampo2();
        break;
    case DicaGravacao::Tipo::Nenhuma:
        interacao().erro(mensagem);
        break;
    }
}

void TFrmPadrao::TBAlterarClick()
{
    if (!m_dsPadrao->ativo() || m_dsPadrao->vazio() || m_dsPadrao->editando())
        return;
    m_dsPadrao->Edit();
    TrataBotao();
    TrataPage(true);
    m_operacao = QStringLiteral("ALTERADO");
}

void TFrmPadrao::TBCancelarClick()
{
    if (!m_dsPadrao->editando())
        return;
    m_dsPadrao->CancelUpdates();
    TrataBotao();
    TrataPage(false);
    DsPadraoDataChange();
}

void TFrmPadrao::DsPadraoStateChange()
{
    const bool editando = CdsPadrao->editando();
    PanelCentral->setEnabled(editando);
    const auto estado = m_dsPadrao ? m_dsPadrao->estado() : ConjuntoDados::Estado::Fechado;
    defineTextoStatus(2, estado == ConjuntoDados::Estado::Editando ? QStringLiteral(" Alterando...")
                         : estado == ConjuntoDados::Estado::Inserindo
                             ? QStringLiteral(" Inserindo...")
                             : QString());
}

void TFrmPadrao::DsPadraoDataChange()
{
    TBImprimir->setEnabled(
        (CdsPadrao->estado() == ConjuntoDados::Estado::Navegando && !CdsPadrao->vazio()) ||
        CdsPadrao->ChangeCount() > 0);
}

void TFrmPadrao::CdsPadraoAfterOpen()
{
    FormataField(*CdsPadrao);
}

void TFrmPadrao::TrataBotao()
{
    for (QToolButton* b :
         {TBSair, TBNovo, TBSalvar, TBCancelar, TBAlterar, TBDeletar, TBVisulizar, TBImprimir})
        b->setEnabled(!b->isEnabled());
    for (QMenu* m : {PopSair, PopEditar, PopRelatorio, PopPesquisar})
        for (QAction* a : m->actions())
            if (!a->isSeparator())
                a->setEnabled(!a->isEnabled());
}

void TFrmPadrao::TrataPage(bool Status)
{
    for (QTabWidget* paginas : findChildren<QTabWidget*>())
        for (int i = 0; i < paginas->count(); ++i)
            paginas->setTabEnabled(i, Status);
}
