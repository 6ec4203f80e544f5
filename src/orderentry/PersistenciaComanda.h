#pragma once

#include "EntradaItem.h"

#include <QChar>
#include <QDate>
#include <QString>
#include <QVariant>
#include <optional>

class TDMXAL;
class Interacao;
class Clock;
struct ConfigAtendimento;
struct TConfigGeral;

// Where the order entry window puts the focus after a step.
enum class Foco {
    Nenhum,
    EditComanda,
    edProduto,
    edQuant,
    edCliente,
    edDocumento,
    edContato,
    NomeKit,
    edMesa
};

// Customer fields of a quote and the name of a kit, as typed in the window.
struct DadosDocumento {
    QString edDocumento;
    QString edContato;
    QString edTelefone;
    QString edCliente; // customer code text; empty when none was chosen
    QString tipoPessoa = QStringLiteral("Física");
    QDate edDataEntrega;
    QString nomeKit;
    bool kitTemporario = false;
};

// The open header loaded for the number on screen.
struct CabecalhoCarregado {
    int DOCUMENTO = 0;
    int COD_CLI = 0;
    QVariant MESA;
    QVariant NUM_OCUPANTE;
};

// Everything the order entry window writes: opening a number, the header, the table, each
// item with its number, price, service charge and attendant, the closing test, reopening.
class PersistenciaComanda
{
public:
    struct Contexto {
        TDMXAL& dm;
        Interacao& interacao;
        const Clock& relogio;
        const ConfigAtendimento& config;
        const TConfigGeral& geral;
        int codLoja = 1;
        int codTerm = 0;
    };

    struct Abertura {
        bool carregada = false; // a number was taken (with or without an open header)
        Foco foco = Foco::Nenhum;
        bool mostrarPainelMesa = false;
        bool limparTela = false;
        QVariant mesa; // table fields of the panel when the header has a table
        QVariant ocupantes;
    };
    struct Gravacao {
        bool gravado = false;
        Foco foco = Foco::Nenhum;
        int numItem = 0;
        bool limparTela = false;
    };

    PersistenciaComanda(Contexto contexto, QChar tipoDoc);

    QChar tipoDoc() const { return m_tipoDoc; }
    int numeroCartao() const;

    Abertura InicializaComanda(const QString& texto);
    Gravacao InsereComanda(const ProdutoSelecionado& produto, double quantidade, double preco);
    void InsereNota();
    void InsereMesa();
    int MaxIt(int cartao);
    void AtualizaHora();
    double calculaAcrescimo(int depart, double totItem);
    bool ChkMesaFechada(int documento);
    // F11: asks, identifies an employee with CHK_SANGRIAS and sets the document back to open.
    bool ReabreComanda();
    // Asks for the attendant of an item. For the item just written (itemNovo) with a
    // mandatory attendant and none identified, removes it and its header when left empty.
    // Returns false when the item was removed.
    bool InsereAtendente(int numItem, bool itemNovo);
    void InsereAtendenteAutomatico(int numItem);
    // "001-NAME  dd/mm/yyyy hh:mm:ss" of an attendant and the loaded document.
    QString MostraFunc(int codFunc);
    // Forgets the loaded document (screen cleared).
    void LimpaDocumento();

    // Window values.
    QString EditComanda;
    QVariant MesaSelecionada;
    QVariant Num_Ocupante;
    QString StatusItem = QStringLiteral("N");
    int VendedorIdentificado = 0;
    int ClienteAutorizado = 0;
    DadosDocumento dados;
    std::optional<CabecalhoCarregado> cabecalho;

private:
    std::optional<CabecalhoCarregado> carregaCabecalho(int numero);
    bool cartaoBloqueado(int numero);
    Foco focoDoModo() const;
    std::optional<Foco> verificaOrcamento(const ProdutoSelecionado& produto, double quantidade);
    void removeItem(int numItem, int codProd);

    Contexto m_c;
    QChar m_tipoDoc;
    bool bCmd = false;
};
