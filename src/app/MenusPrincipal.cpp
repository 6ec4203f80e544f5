#include "MenusPrincipal.h"

#include "Configuracao.h"

DecisaoMenus HabilitaMenus(const TConfigGeral& config, bool atendimentoCriado)
{
    DecisaoMenus d;
    d.captionOrcamento =
        config.Condominio ? QString::fromUtf8("Lançamento") : QString::fromUtf8("Orçamento");
    d.relCondominioVisivel = config.Condominio;
    d.brisvelHabilitado = !config.Condominio;
    d.demaisHabilitados = !config.AbreAtendimentoInicializacao;
    d.abreAtendimento = config.AbreAtendimentoInicializacao && !atendimentoCriado;
    d.brisvelVisivel = config.HabilitaBrisvel;
    d.orcamentoVisivel = config.HabilitaOrcamento;
    d.kitVisivel = config.HabilitaKitProd;
    return d;
}
