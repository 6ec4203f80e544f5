#pragma once

#include <QString>

class TDMXAL;

// Ready-made kitchen observations (CMD_OBS) and the observation of one item (CMD_ITEM.OBS).
class Observacoes
{
public:
    explicit Observacoes(TDMXAL& dm) : m_dm(dm) {}

    static constexpr int kTamanhoObsItem = 60;

    // Text of a ready-made observation; empty when the code does not exist.
    QString texto(int codObs);
    // Stores the item's observation (empty removes it). An observation longer than the
    // item's column is cut, never refused by the server half-way.
    void gravaNoItem(int documento, int numItem, const QString& observacao);

    // Maintenance: a blank text is refused with "Observação inválida!" (Falha); texts are kept
    // as typed, in upper case. Returns the new code.
    int insere(const QString& observacao);
    void altera(int codObs, const QString& observacao);
    void exclui(int codObs);

private:
    TDMXAL& m_dm;
};
