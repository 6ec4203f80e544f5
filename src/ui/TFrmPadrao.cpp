#include "TFrmPadrao.h"

#include "CaixaMensagem.h"
#include "DicaGravacao.h"
#include "platform/Falha.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

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
