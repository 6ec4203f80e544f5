#include "DadosLoja.h"

#include "Configuracao.h"
#include "data/TDMXAL.h"
#include "platform/Arquivos.h"

#include <QSqlQuery>
#include <QSqlRecord>

void GaranteModeloKit()
{
    const QString secao = QStringLiteral("KIT");
    const QString chave = QStringLiteral("Modelo");
    if (!ExisteChaveIni(kArquivoAtendimento, secao, chave))
        GravaIni(kArquivoAtendimento, secao, chave, QStringLiteral("Bematech"));
}

int PrimeiraLoja(TDMXAL& dm)
{
    return dm.escalar(QStringLiteral("qrPrimeiraLoja")).toInt();
}

EstadoLoja LeEstadoLoja(TDMXAL& dm, int codLoja)
{
    QSqlQuery q = dm.executa(QStringLiteral("SqlLoja"), {{QStringLiteral("PCOD_LOJA"), codLoja}});
    QString uf;
    QString razao;
    if (q.next()) {
        const QSqlRecord r = q.record();
        uf = q.value(r.indexOf(QStringLiteral("UF"))).toString().trimmed();
        razao = q.value(r.indexOf(QStringLiteral("RAZAO_SOCIAL"))).toString();
    }
    while (q.next()) {
    }
    EstadoLoja e;
    e.Estado = uf.isEmpty() ? QStringLiteral("PB") : uf;
    if (e.Estado != QLatin1String("PB"))
        e.RSOCIAL = razao;
    return e;
}
