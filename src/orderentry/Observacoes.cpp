#include "Observacoes.h"

#include "data/TDMXAL.h"
#include "platform/Falha.h"

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}

QString validada(const QString& observacao)
{
    if (observacao.trimmed().isEmpty())
        throw Falha(u("Observação inválida!"));
    return observacao.toUpper().left(100);
}
} // namespace

QString Observacoes::texto(int codObs)
{
    if (codObs <= 0)
        return QString();
    QSqlQuery q = m_dm.executa(u("qrObservacao"), {{u("PCOD_OBS"), codObs}});
    return q.next() ? q.value(u("OBSERVACAO")).toString() : QString();
}

void Observacoes::gravaNoItem(int documento, int numItem, const QString& observacao)
{
    m_dm.executa(u("qrGravaObsItem"), {{u("OBS"), observacao.left(kTamanhoObsItem)},
                                       {u("DOCUMENTO"), documento},
                                       {u("NUM_ITEM"), numItem}});
}

int Observacoes::insere(const QString& observacao)
{
    const QString texto = validada(observacao);
    return m_dm.escalar(u("qrInsereObservacao"), {{u("OBSERVACAO"), texto}}).toInt();
}

void Observacoes::altera(int codObs, const QString& observacao)
{
    m_dm.executa(u("qrAlteraObservacao"),
                 {{u("OBSERVACAO"), validada(observacao)}, {u("COD_OBS"), codObs}});
}

void Observacoes::exclui(int codObs)
{
    m_dm.executa(u("qrExcluiObservacao"), {{u("COD_OBS"), codObs}});
}
