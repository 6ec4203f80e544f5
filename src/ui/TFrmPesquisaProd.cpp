#include "TFrmPesquisaProd.h"

#include "CaixaMensagem.h"
#include "ConjuntoDados.h"
#include "platform/Clock.h"
#include "platform/Falha.h"

#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

TFrmPesquisaProd::TFrmPesquisaProd(TDMXAL& dm, int codLoja, QWidget* parent)
    : QDialog(parent), m_pesquisa(dm, codLoja, relogio())
{
    setObjectName(QStringLiteral("FrmPesquisaProd"));
    setWindowTitle(QStringLiteral("Pesquisa de Produtos"));
    TiraBorda();
    auto* coluna = new QVBoxLayout(this);
    coluna->setContentsMargins(0, 0, 0, 0);
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setCursor(Qt::SizeAllCursor);
    Panel1->setMinimumHeight(28);
    auto* titulo = new QHBoxLayout(Panel1);
    titulo->addWidget(new QLabel(QStringLiteral("Pesquisa de Produtos"), Panel1));
    Panel1->installEventFilter(this);

    CdsPesquisa = new ConjuntoDados(dm, this);
    CdsPesquisa->setObjectName(QStringLiteral("CdsPesquisa"));
    CdsPesquisa->info(QStringLiteral("VLR_PRECO")).formato = QStringLiteral("#,##0.00");
    CdsPesquisa->info(QStringLiteral("ESTOQUE")).formato = QStringLiteral("#,##0.000");
    m_modelo = new ModeloConjunto(CdsPesquisa, this);
    m_modelo->defineColunas({{QStringLiteral("COD_PROD"), QString::fromUtf8("Código")},
                             {QStringLiteral("DESCRICAO"), QString::fromUtf8("Descrição")},
                             {QStringLiteral("FLG_UNIDADE_VENDA"), QStringLiteral("Unidade")},
                             {QStringLiteral("CODIGO_BARRAS"), QString::fromUtf8("Código Barras")},
                             {QStringLiteral("ESTOQUE"), QStringLiteral("Estoque")},
                             {QStringLiteral("VLR_PRECO"), QString::fromUtf8("Preço")}});
    DBGrid = new QTableView(this);
    DBGrid->setObjectName(QStringLiteral("DBGrid"));
    DBGrid->setModel(m_modelo);
    DBGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    DBGrid->verticalHeader()->setVisible(false);
    DBGrid->horizontalHeader()->setStretchLastSection(true);
    DBGrid->installEventFilter(this);
    connect(DBGrid, &QTableView::doubleClicked, this, [this] {
        // Several rows may be selected: the last one read wins.
        const QModelIndexList linhas = DBGrid->selectionModel()->selectedRows();
        for (const QModelIndex& i : linhas)
            CodProd = CdsPesquisa->valor(i.row(), QStringLiteral("COD_PROD")).toString();
        accept();
    });

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    m_paineis[0] = new QLabel(QStringLiteral("Pesquisa: "), StatusBar1);
    m_paineis[1] = new QLabel(QStringLiteral("  [ Esc ] - Sair"), StatusBar1);
    StatusBar1->addWidget(m_paineis[0], 1);
    StatusBar1->addWidget(m_paineis[1]);

    coluna->addWidget(Panel1);
    coluna->addWidget(DBGrid, 1);
    coluna->addWidget(StatusBar1);
    resize(760, 420);
}

void TFrmPesquisaProd::TiraBorda()
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
}

QString TFrmPesquisaProd::textoStatus(int painel) const
{
    return painel >= 0 && painel < 2 ? m_paineis[painel]->text() : QString();
}

void TFrmPesquisaProd::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (parentWidget())
        move(parentWidget()->window()->geometry().center() - rect().center());
    DBGrid->setFocus();
}

void TFrmPesquisaProd::pesquisa()
{
    try {
        m_pesquisa.busca(*CdsPesquisa, sText);
    } catch (const Falha& f) {
        CaixaMensagem::mostra(this, QMessageBox::Critical, QStringLiteral("Orlix"), f.mensagem());
    }
}

void TFrmPesquisaProd::escolhe()
{
    const QModelIndex atual = DBGrid->currentIndex();
    if (CdsPesquisa->vazio())
        return;
    CodProd = CdsPesquisa->valor(atual.isValid() ? atual.row() : 0, QStringLiteral("COD_PROD"))
                  .toString();
    accept();
}

void TFrmPesquisaProd::tecla(QKeyEvent* evento)
{
    const QString t = evento->text();
    const QChar c = t.size() == 1 ? t.front() : QChar();
    if (evento->key() == Qt::Key_Backspace) {
        sText.chop(1);
        pesquisa();
    } else if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        escolhe();
    } else if (evento->key() == Qt::Key_Escape) {
        reject();
    } else {
        if (c >= QLatin1Char(' ') && c <= QLatin1Char('z'))
            sText.append(c);
        pesquisa();
        const int linha = PesquisaProduto::linhaMaisProxima(*CdsPesquisa, sText);
        if (linha >= 0)
            DBGrid->selectRow(linha);
    }
    m_paineis[0]->setText(QStringLiteral("Pesquisa: ") + sText.toUpper());
}

bool TFrmPesquisaProd::eventFilter(QObject* alvo, QEvent* evento)
{
    if (alvo == DBGrid && evento->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(evento);
        // Keys that type a character (and Backspace, Enter, Esc) search; the others move.
        const bool caractere = !k->text().isEmpty() && !(k->modifiers() & Qt::ControlModifier);
        if (caractere || k->key() == Qt::Key_Backspace || k->key() == Qt::Key_Escape) {
            tecla(k);
            return true;
        }
    }
    if (alvo == Panel1) {
        // Only mouse events may be read as such.
        auto ponto = [evento] {
            return static_cast<QMouseEvent*>(evento)->globalPosition().toPoint();
        };
        switch (evento->type()) {
        case QEvent::MouseButtonPress:
            m_arrastando = true;
            m_origem = ponto();
            return true;
        case QEvent::MouseMove:
            if (m_arrastando) {
                const QPoint agora = ponto();
                move(pos() + agora - m_origem);
                m_origem = agora;
            }
            return true;
        case QEvent::MouseButtonRelease:
            m_arrastando = false;
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(alvo, evento);
}
