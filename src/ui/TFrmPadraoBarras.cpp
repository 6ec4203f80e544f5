// The tool bars, menus and status bar of TFrmPadrao, and the toggling of their states.
#include "TFrmPadrao.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
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
