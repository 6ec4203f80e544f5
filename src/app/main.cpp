#include "Configuracao.h"
#include "TfrmBrisvel.h"
#include "data/TDMXAL.h"
#include "identification/InteracaoComIdentificacao.h"
#include "orderentry/TfrmAtendimento.h"
#include "platform/Balanca.h"
#include "platform/Clock.h"
#include "platform/Falha.h"
#include "platform/ImpressorasSistema.h"
#include "platform/InstanciaUnica.h"
#include "printing/ImpressaoProducao.h"
#include "printing/TDMImpressao.h"
#include "registration/TfrmCadObservacao.h"
#include "registration/TfrmPesquisaObsCmd.h"
#include "ui/TFrmPesquisaProd.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));

    // A second start only brings the running copy to the front.
    InstanciaUnica instancia;
    if (!instancia.primeira())
        return 0;

    TDMXAL dmxal;
    defineDMXAL(&dmxal);
    const QString erro = dmxal.DataModuleCreate();
    if (!erro.isEmpty())
        QMessageBox::critical(nullptr, QStringLiteral("Brisvel"), erro);

    auto impressoras = criaImpressorasCups();
    TDMImpressao dmImpressao(*impressoras, ConfigGeral);
    defineDMImpressao(&dmImpressao);

    TfrmBrisvel principal;
    if (!principal.FormCreate(&dmxal))
        return 0;
    InteracaoComIdentificacao interacao(dmxal, ConfigGeral, 1, &principal);
    principal.defineCriadorAtendimento(
        [&](QChar tipo) -> QWidget* {
            ServicosAtendimento s;
            s.dm = &dmxal;
            s.interacao = &interacao;
            s.codLoja = principal.CODLOJA;
            s.codTerm = principal.COD_TERM;
            s.pesquisaProduto = [&]() {
                TFrmPesquisaProd pesquisa(dmxal, principal.CODLOJA, &principal);
                pesquisa.exec();
                return pesquisa.CodProd.toInt();
            };
            s.imprimeProducao = [&](int documento, QChar t, const ConfigAtendimento& c) {
                try {
                    ImpressaoProducao(dmxal, dmImpressao, c, relogio())
                        .ImprimeBrisvel(documento, QString(t));
                } catch (const Falha& f) {
                    interacao.erro(f.mensagem());
                }
            };
            s.observacaoItem = [&] { return TfrmPesquisaObsCmd::escolhe(dmxal, &principal); };
            s.criaBalanca = [](const ConfigAtendimento& c) {
                return criaBalancaSerial(QStringLiteral("COM%1").arg(c.BalancaPorta),
                                         modeloBalanca(c.BalancaModelo));
            };
            try {
                auto* janela = new TfrmAtendimento(tipo, s);
                janela->show();
                return janela;
            } catch (const Falha& f) {
                interacao.erro(f.mensagem());
                return nullptr;
            }
        },
        QStringLiteral("C"));
    principal.defineAbridor(JanelaMenu::CadObservacao, [&] {
        TfrmCadObservacao janela(dmxal, &principal);
        janela.exec();
    });
    QObject::connect(&instancia, &InstanciaUnica::ativacaoPedida, &principal,
                     [&principal] { TrazParaFrente(principal); });
    QObject::connect(&principal, &TfrmBrisvel::fechada, &app, &QApplication::quit);
    principal.show();
    return app.exec();
}
