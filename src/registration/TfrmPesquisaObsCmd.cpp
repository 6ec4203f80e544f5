#include "TfrmPesquisaObsCmd.h"

#include "BarraCadastro.h"
#include "TfrmPesqCmdObs.h"
#include "orderentry/Observacoes.h"
#include "ui/CaixaMensagem.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

TfrmPesquisaObsCmd::TfrmPesquisaObsCmd(TDMXAL& dm, QWidget* parent) : QDialog(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("frmPesquisaObsCmd"));
    setWindowTitle(QString::fromUtf8("Observação"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* coluna = new QVBoxLayout(this);
    ToolBar1 = new BarraCadastro(this);
    // Saving is the dialog's only record action.
    for (QToolButton* b : {ToolBar1->TBNovo, ToolBar1->TBAlterar, ToolBar1->TBCancelar,
                           ToolBar1->TBDeletar, ToolBar1->TBVisulizar, ToolBar1->TBSair})
        b->setVisible(false);
    ToolBar1->TBSalvar->setEnabled(true);
    connect(ToolBar1->TBSalvar, &QToolButton::clicked, this, &TfrmPesquisaObsCmd::TBSalvarClick);

    lbObs = new QLabel(QString::fromUtf8("Observação"), this);
    edObs = new QLineEdit(this);
    edObs->setObjectName(QStringLiteral("edObs"));
    // What the item's column holds; a longer ready-made text shows as it will be stored.
    edObs->setMaxLength(Observacoes::kTamanhoObsItem);
    edObs->installEventFilter(this);
    lbObs->setBuddy(edObs);
    BitBtn1 = new QPushButton(QStringLiteral("Pesquisar"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &TfrmPesquisaObsCmd::BitBtn1Click);
    auto* linha = new QHBoxLayout;
    linha->addWidget(edObs, 1);
    linha->addWidget(BitBtn1);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->addWidget(new QLabel(QStringLiteral("[ Esc = Sair ]"), StatusBar1));
    StatusBar1->addWidget(new QLabel(QStringLiteral("  Enter para Salvar"), StatusBar1), 1);

    coluna->addWidget(ToolBar1);
    coluna->addWidget(lbObs);
    coluna->addLayout(linha);
    coluna->addWidget(StatusBar1);
    resize(480, sizeHint().height());
}

std::optional<QString> TfrmPesquisaObsCmd::escolhe(TDMXAL& dm, QWidget* parent)
{
    TfrmPesquisaObsCmd dialogo(dm, parent);
    dialogo.exec();
    return dialogo.PObservacao();
}

void TfrmPesquisaObsCmd::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    edObs->setFocus();
}

bool TfrmPesquisaObsCmd::eventFilter(QObject* alvo, QEvent* evento)
{
    if (alvo == edObs && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            edObsEnter();
            return true;
        }
    }
    return QDialog::eventFilter(alvo, evento);
}

void TfrmPesquisaObsCmd::BitBtn1Click()
{
    try {
        const int codigo = TfrmPesqCmdObs::escolhe(m_dm, this);
        if (codigo > 0) {
            if (const std::optional<QString> texto = Observacoes(m_dm).procura(codigo))
                edObs->setText(*texto);
        }
    } catch (const Falha& f) {
        CaixaMensagem::mostra(this, QMessageBox::Critical, QStringLiteral("Orlix"), f.mensagem());
    }
    edObs->setFocus();
}

// Enter keeps a text that is not blank (as typed) and closes in any case.
void TfrmPesquisaObsCmd::edObsEnter()
{
    if (!edObs->text().trimmed().isEmpty())
        m_observacao = edObs->text();
    accept();
}

void TfrmPesquisaObsCmd::TBSalvarClick()
{
    m_observacao = edObs->text();
    accept();
}
