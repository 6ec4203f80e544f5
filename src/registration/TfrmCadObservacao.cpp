#include "TfrmCadObservacao.h"

#include "BarraCadastro.h"
#include "TfrmPesqCmdObs.h"
#include "orderentry/Observacoes.h"
#include "ui/CaixaMensagem.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}
} // namespace

TfrmCadObservacao::TfrmCadObservacao(TDMXAL& dm, QWidget* parent) : QDialog(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("frmCadObservacao"));
    setWindowTitle(u("Cadastro de Observação"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* coluna = new QVBoxLayout(this);
    ToolBar1 = new BarraCadastro(this);
    connect(ToolBar1->TBNovo, &QToolButton::clicked, this,
            protegido(&TfrmCadObservacao::TBNovoClick));
    connect(ToolBar1->TBSalvar, &QToolButton::clicked, this,
            protegido(&TfrmCadObservacao::TBSalvarClick));
    connect(ToolBar1->TBAlterar, &QToolButton::clicked, this,
            protegido(&TfrmCadObservacao::TBAlterarClick));
    connect(ToolBar1->TBCancelar, &QToolButton::clicked, this,
            protegido(&TfrmCadObservacao::TBCancelarClick));
    connect(ToolBar1->TBDeletar, &QToolButton::clicked, this,
            protegido(&TfrmCadObservacao::TBDeletarClick));
    connect(ToolBar1->TBVisulizar, &QToolButton::clicked, this,
            protegido(&TfrmCadObservacao::TBVisulizarClick));
    connect(ToolBar1->TBSair, &QToolButton::clicked, this, &QDialog::close);

    PanelCentral = new QFrame(this);
    PanelCentral->setObjectName(QStringLiteral("PanelCentral"));
    PanelCentral->setFrameShape(QFrame::StyledPanel);
    auto* campos = new QVBoxLayout(PanelCentral);
    lbDescricao = new QLabel(u("Observação"), PanelCentral);
    edDescricao = new QLineEdit(PanelCentral);
    edDescricao->setObjectName(QStringLiteral("edDescricao"));
    edDescricao->setMaxLength(100);
    lbDescricao->setBuddy(edDescricao);
    connect(edDescricao, &QLineEdit::textEdited, edDescricao, [this](const QString& t) {
        if (t != t.toUpper()) {
            const int cursor = edDescricao->cursorPosition();
            edDescricao->setText(t.toUpper());
            edDescricao->setCursorPosition(cursor);
        }
    });
    campos->addWidget(lbDescricao);
    campos->addWidget(edDescricao);
    campos->addStretch();

    coluna->addWidget(ToolBar1);
    coluna->addWidget(PanelCentral, 1);
    resize(520, 180);
    defineEstado(Estado::Navegando);
}

std::function<void()> TfrmCadObservacao::protegido(void (TfrmCadObservacao::*acao)())
{
    return [this, acao] {
        try {
            (this->*acao)();
        } catch (const Falha& f) {
            CaixaMensagem::mostra(this, QMessageBox::Critical, u("Orlix"), f.mensagem());
        }
    };
}

void TfrmCadObservacao::Mensagem(const QString& texto)
{
    ::Mensagem(texto, this);
}

void TfrmCadObservacao::TrataBotao()
{
    ToolBar1->TrataBotao();
}

void TfrmCadObservacao::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (!evento->spontaneous())
        abreRegistro(0);
}

void TfrmCadObservacao::defineEstado(Estado estado)
{
    m_estado = estado;
    // The fields are open only while the record is inserted or edited.
    PanelCentral->setEnabled(editando());
}

void TfrmCadObservacao::abreRegistro(int codigo)
{
    const std::optional<QString> texto = Observacoes(m_dm).procura(codigo);
    m_codigo = texto ? codigo : 0;
    m_textoGravado = texto.value_or(QString());
    edDescricao->setText(m_textoGravado);
    defineEstado(Estado::Navegando);
}

void TfrmCadObservacao::TBNovoClick()
{
    TrataBotao();
    if (editando())
        return;
    edDescricao->clear();
    defineEstado(Estado::Inserindo);
    edDescricao->setFocus();
}

void TfrmCadObservacao::TBAlterarClick()
{
    if (m_codigo == 0 || editando())
        return;
    defineEstado(Estado::Editando);
    TrataBotao();
    edDescricao->setFocus();
}

void TfrmCadObservacao::TBSalvarClick()
{
    Observacoes observacoes(m_dm);
    const QString texto = edDescricao->text();
    try {
        if (m_estado == Estado::Inserindo) {
            const int novo = observacoes.insere(texto);
            abreRegistro(novo);
            Mensagem(u("Inclusão efetuada com sucesso!"));
        } else if (m_estado == Estado::Editando) {
            if (texto == m_textoGravado) {
                defineEstado(Estado::Navegando);
                Mensagem(u("Nenhum registro alterado!"));
            } else {
                observacoes.altera(m_codigo, texto);
                abreRegistro(m_codigo);
                Mensagem(u("Alteração efetuada com sucesso!"));
            }
        } else {
            return;
        }
    } catch (const ObservacaoInvalida& f) {
        Mensagem(f.mensagem());
        edDescricao->setFocus();
        return;
    }
    TrataBotao();
}

void TfrmCadObservacao::TBCancelarClick()
{
    if (!editando())
        return;
    abreRegistro(m_codigo);
    TrataBotao();
}

void TfrmCadObservacao::TBDeletarClick()
{
    if (m_codigo == 0)
        return;
    Observacoes(m_dm).exclui(m_codigo);
    abreRegistro(0);
    Mensagem(u("Exclusão efetuada com sucesso!"));
}

void TfrmCadObservacao::TBVisulizarClick()
{
    abreRegistro(TfrmPesqCmdObs::escolhe(m_dm, this));
}

// Fields take their own keys; the window's keys act only when no field has the focus.
void TfrmCadObservacao::keyPressEvent(QKeyEvent* evento)
{
    if (edDescricao->hasFocus())
        return;
    if (evento->key() == Qt::Key_Escape) {
        close();
        return;
    }
    if (evento->key() == Qt::Key_Left) {
        focusNextPrevChild(false);
        return;
    }
    QDialog::keyPressEvent(evento);
}
