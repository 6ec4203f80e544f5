#include "HistoricoBench.h"

namespace
{
QString u(const char* t)
{
    return QString::fromUtf8(t);
}
} // namespace

HistoricoBench::HistoricoBench(int comandasFechadas, int comandasAbertas)
{
    qputenv("BRISVEL_HOME", m_dir.path().toUtf8());
    TDMXAL dm(u("historico"));
    if (!dm.DataModuleCreate(conexao(caminho())).isEmpty())
        qFatal("cannot create the demo shop");
    dm.emTransacao([&] {
        dm.ExecutaSQL(
            u("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < :total) "
              "INSERT INTO CMD_NOTA (NUM_COMANDA, COD_LOJA, FLG_TIPO_DOC, DATA, HORA, HORA_FINAL, "
              "CHK_BAIXA, COO) SELECT (x % 150) + 1, 1, 'C', "
              "strftime('%Y-%m-%d 00:00:00', '2026-12-10', '-' || (x / 700) || ' days'), "
              "'1899-12-30 20:00:00', '1899-12-30 22:00:00', 'T', x FROM n"),
            {{u("total"), comandasFechadas}});
        dm.ExecutaSQL(
            u("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < :total) "
              "INSERT INTO CMD_NOTA (NUM_COMANDA, COD_LOJA, FLG_TIPO_DOC, DATA, HORA, HORA_FINAL, "
              "CHK_BAIXA) SELECT 1000 + x, 1, 'C', '2026-12-11 00:00:00', '1899-12-30 19:00:00', "
              "'1899-12-30 21:00:00', 'F' FROM n"),
            {{u("total"), comandasAbertas}});
        dm.ExecutaSQL(
            u("WITH RECURSIVE k(y) AS (SELECT 1 UNION ALL SELECT y + 1 FROM k WHERE y < 4) "
              "INSERT INTO CMD_ITEM (DOCUMENTO, NUM_COMANDA, NUM_ITEM, COD_LOJA, COD_PROD, "
              "VLR_QTDE, VLR_PRECO, VLR_TOTAL, ACRESCIMO, DATA, HORA, TERMINAL, FLG_STATUS, "
              "CHK_BAIXA, STS_IMP_ITENS) SELECT N.DOCUMENTO, N.NUM_COMANDA, "
              "N.DOCUMENTO * 4 + k.y, 1, 24, 2, 11.9, 23.8, 2.38, N.DATA, N.HORA, 1, 'N', "
              "N.CHK_BAIXA, 'T' FROM CMD_NOTA N CROSS JOIN k WHERE N.CHK_BAIXA = 'T' OR k.y <= 3"));
    });
    dm.ExecutaSQL(u("ANALYZE"));
}
