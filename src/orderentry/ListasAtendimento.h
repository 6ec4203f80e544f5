#pragma once

#include <QChar>
#include <QDateTime>
#include <QList>
#include <QString>

class TDMXAL;

// A row of the open-documents list.
struct LinhaAberta {
    int NUM_COMANDA = 0;
    int COD_CLI = 0;
    QDate DATA;
    QTime HORA;
    QTime HORA_FINAL;
    QString FLG_TIPO_DOC;
    QString CNPJ_CPF;
    QString CONTATO;
    QString TELEFONE;
    QString status;
    QString TipoKit;
    QDate DATA_ENTREGA;
    double TOTAL = 0;
};

// A row of the item grid.
struct LinhaItem {
    int DOCUMENTO = 0;
    int NUM_ITEM = 0;
    int COD_PROD = 0;
    QString DESCRICAO;
    double VLR_QTDE = 0;
    double VLR_PRECO = 0;
    double VLR_TOTAL = 0;
    QString CHK_CANCELADO;
    int COD_VEND = 0;
    QString OBS;
    QString STS_IMP_ITENS;
    bool impresso() const { return STS_IMP_ITENS == QLatin1String("T"); }
    bool cancelado() const
    {
        return STS_IMP_ITENS != QLatin1String("T") && CHK_CANCELADO == QLatin1String("T");
    }
};

// What the order entry window lists: open documents of its type, the items of the loaded
// document and its total.
class ListasAtendimento
{
public:
    ListasAtendimento(TDMXAL& dm, int codLoja) : m_dm(dm), m_codLoja(codLoja) {}

    // Kit windows list permanent and temporary kits.
    QList<LinhaAberta> ComandasAbertas(QChar tipo, bool mostrarDelivery, const QDate& inicio,
                                       const QDate& fim);
    // Sorted by description.
    QList<LinhaItem> ShowItems(int documento, QChar tipo);
    double total(QChar tipo, int numero);

private:
    TDMXAL& m_dm;
    int m_codLoja;
};
