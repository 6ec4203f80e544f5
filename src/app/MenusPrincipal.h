#pragma once

#include <QString>

struct TConfigGeral;

// What the settings make of the main menu at each activation of the main window.
struct DecisaoMenus {
    QString captionOrcamento;      // "Orçamento", or "Lançamento" in condominium mode
    bool brisvelVisivel = false;   // HabilitaBrisvel
    bool orcamentoVisivel = false; // HabilitaOrcamento
    bool kitVisivel = false;       // HabilitaKitProd
    bool brisvelHabilitado = true; // off in condominium mode
    bool relCondominioVisivel = false;
    // AbreAtendimentoInicializacao: the counter works in the comanda window alone, so
    // "Orçamento", "Kit", "Cadastro", "Pre Venda", "Bloqueio Comanda", "Imprime Orçamento"
    // and "Relatórios" are off.
    bool demaisHabilitados = true;
    bool abreAtendimento = false; // create the comanda window now
};

// atendimentoCriado: an order entry window was already created in this run.
DecisaoMenus HabilitaMenus(const TConfigGeral& config, bool atendimentoCriado);
