// The main menu of the frame window: its items, and which of them the settings and the
// windows available leave visible and enabled.
#include "Configuracao.h"
#include "MenusPrincipal.h"
#include "PainelSenha.h"
#include "TfrmBrisvel.h"

#include <QMenuBar>

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}
} // namespace

QAction* TfrmBrisvel::item(QMenu* menu, const char* nome, const char* caption)
{
    QAction* a = menu ? menu->addAction(u(caption)) : menuBar()->addAction(u(caption));
    a->setObjectName(QString::fromLatin1(nome));
    m_itens.insert(a->objectName(), a);
    return a;
}

QAction* TfrmBrisvel::itemJanela(QMenu* menu, const char* nome, const char* caption,
                                 JanelaMenu janela)
{
    QAction* a = item(menu, nome, caption);
    m_itensJanela.insert(janela, a);
    // Card blocking is guarded by the login panel; the window opens once it passes.
    if (janela == JanelaMenu::BloqueioCartela) {
        connect(a, &QAction::triggered, pnSenha, &TPainelSenha::abre);
        return a;
    }
    connect(a, &QAction::triggered, this, [this, janela] {
        if (const Abridor& abre = m_abridores.value(janela))
            abre();
    });
    return a;
}

QMenu* TfrmBrisvel::submenu(QMenu* pai, const char* nome, const char* caption)
{
    QMenu* m = pai ? pai->addMenu(u(caption)) : menuBar()->addMenu(u(caption));
    m->setObjectName(QString::fromLatin1(nome));
    m->menuAction()->setObjectName(QString::fromLatin1(nome));
    m_itens.insert(m->objectName(), m->menuAction());
    return m;
}

void TfrmBrisvel::montaMenus()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* cadastro = submenu(nullptr, "Cadastro1", "Cadastro");
    itemJanela(cadastro, "CadastrarLista1", "Cadastrar Lista", JanelaMenu::ClassificaLista);
    itemJanela(cadastro, "Impressoras1", "Impressoras", JanelaMenu::PortaImpressao);
    itemJanela(cadastro, "VincularDepartamento1", "Vincular Departamento",
               JanelaMenu::VinculaImpressoraDptoSubDpto);
    itemJanela(cadastro, "CadastrarTerminais1", "Cadastrar Terminais", JanelaMenu::CadTerminal);
    itemJanela(cadastro, "Observacao1", "Observação", JanelaMenu::CadObservacao);

    connect(item(nullptr, "PrAtendimento1", "Brisvel"), &QAction::triggered, this,
            [this] { abreAtendimento(QLatin1Char('C')); });
    connect(item(nullptr, "Oramento11", "Orçamento"), &QAction::triggered, this,
            [this] { abreAtendimento(QLatin1Char('D')); });
    connect(item(nullptr, "PreVenda11", "Pre Venda"), &QAction::triggered, this,
            [this] { abreAtendimento(QLatin1Char('P')); });

    QMenu* kit = submenu(nullptr, "Kit1", "Kit");
    connect(item(kit, "KitdeProdutos1", "Kit de Produtos"), &QAction::triggered, this,
            [this] { abreAtendimento(QLatin1Char('K')); });
    itemJanela(kit, "ManutencaodePrecoKit1", "Manutenção de Preço Kit",
               JanelaMenu::ManutencaoPrecoKit);
    QMenu* relKit = submenu(kit, "Relatorio1", "Relatório");
    itemJanela(relKit, "RelKit1", "Kit", JanelaMenu::RelKit);

    itemJanela(nullptr, "BloqueioComanda1", "Bloqueio Comanda", JanelaMenu::BloqueioCartela);
    itemJanela(nullptr, "ImprimeDAV11", "Imprime Orçamento", JanelaMenu::ImprimeDav);

    QMenu* rel = submenu(nullptr, "Relatorios1", "Relatórios");
    itemJanela(rel, "RastreamentodeComandas1", "Rastreamento de Comandas",
               JanelaMenu::RastreamentoComanda);
    itemJanela(rel, "RelOrcamento1", "Orçamento", JanelaMenu::RelOrcamento);
    itemJanela(rel, "Cancelamentos1", "Cancelamentos", JanelaMenu::RelCancelamentos);
    itemJanela(rel, "ProdutividadePorFuncionario1", "Produtividade Por Funcionário",
               JanelaMenu::RelProdutFunc);
    itemJanela(rel, "Terminais1", "Terminais", JanelaMenu::RelTerminais);
    itemJanela(rel, "RelatoriodoCondominio1", "Relatório do Condomínio", JanelaMenu::RelCondominio);
    itemJanela(rel, "RelatoriodeTicketmedioporMesa1", "Relatório de Ticket médio por Mesa",
               JanelaMenu::RelTicketMedioMesa);
    itemJanela(rel, "AnalisedeProduto1", "Análise de Produto", JanelaMenu::RelAnaliseProdutoMesa);
    itemJanela(rel, "RelatoriodeComandasAbertas1", "Relatório de Comandas Abertas",
               JanelaMenu::RelComandasAbertas);
    itemJanela(rel, "ProdutosVendidos1", "Produtos Vendidos", JanelaMenu::RelProdutosVendidos);

    itemJanela(nullptr, "AtualizarSistema1", "Atualizar Sistema", JanelaMenu::Atualiza);
}

bool TfrmBrisvel::aplicaMenus()
{
    const DecisaoMenus d = HabilitaMenus(ConfigGeral, m_criouAtendimento);
    for (auto it = m_itensJanela.cbegin(); it != m_itensJanela.cend(); ++it)
        it.value()->setEnabled(m_abridores.contains(it.key()));

    // Each document type is offered once the order entry window handles it.
    auto atende = [this](char tipo) {
        return static_cast<bool>(m_criador) && m_tiposAtendimento.contains(QLatin1Char(tipo));
    };
    auto a = [this](const char* nome) { return m_itens.value(QString::fromLatin1(nome)); };
    a("PrAtendimento1")->setEnabled(atende('C') && d.brisvelHabilitado);
    a("KitdeProdutos1")->setEnabled(atende('K'));
    a("Oramento11")->setEnabled(atende('D') && d.demaisHabilitados);
    a("PreVenda11")->setEnabled(atende('P') && d.demaisHabilitados);
    for (const char* nome : {"Kit1", "Cadastro1", "Relatorios1"})
        a(nome)->setEnabled(d.demaisHabilitados);
    for (const char* nome : {"BloqueioComanda1", "ImprimeDAV11"})
        a(nome)->setEnabled(a(nome)->isEnabled() && d.demaisHabilitados);

    a("Oramento11")->setText(d.captionOrcamento);
    a("RelOrcamento1")->setText(d.captionOrcamento);
    a("RelatoriodoCondominio1")->setVisible(d.relCondominioVisivel);
    a("PrAtendimento1")->setVisible(d.brisvelVisivel);
    a("Oramento11")->setVisible(d.orcamentoVisivel);
    a("Kit1")->setVisible(d.kitVisivel);
    // Kept in the menu but never shown.
    a("PreVenda11")->setVisible(false);
    a("ImprimeDAV11")->setVisible(false);
    return d.abreAtendimento;
}
