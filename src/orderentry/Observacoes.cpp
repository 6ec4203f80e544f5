#include "Observacoes.h"

#include "data/TDMXAL.h"

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}

QString validada(const QString& observacao)
{
    if (observacao.trimmed().isEmpty())
        throw ObservacaoInvalida();
    return observacao.toUpper().left(100);
}
} // namespace

ObservacaoInvalida::ObservacaoInvalida() : Falha(u("Observação inválida!")) {}

QString Observacoes::texto(int codObs)
{
    return procura(codObs).value_or(QString());
}

std::optional<QString> Observacoes::procura(int codObs)
{
    if (codObs <= 0)
        return std::nullopt;
    QSqlQuery q = m_dm.executa(u("qrObservacao"), {{u("PCOD_OBS"), codObs}});
    if (!q.next())
        return std::nullopt;
    return q.value(u("OBSERVACAO")).toString();
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
