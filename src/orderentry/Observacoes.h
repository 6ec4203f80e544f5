#pragma once

#include "platform/Falha.h"

#include <QString>
#include <optional>

class TDMXAL;

// A blank text given as an observation: "Observação inválida!".
class ObservacaoInvalida : public Falha
{
public:
    ObservacaoInvalida();
};

// Ready-made kitchen observations (CMD_OBS) and the observation of one item (CMD_ITEM.OBS).
class Observacoes
{
public:
    explicit Observacoes(TDMXAL& dm) : m_dm(dm) {}

    static constexpr int kTamanhoObsItem = 60;

    // Text of a ready-made observation; empty when the code does not exist.
    QString texto(int codObs);
    // The same, nothing when the code does not exist (told apart from an empty text).
    std::optional<QString> procura(int codObs);
    // Stores the item's observation (empty removes it). An observation longer than the
    // item's column is cut, never refused by the server half-way.
    void gravaNoItem(int documento, int numItem, const QString& observacao);

    // Maintenance: a blank text is refused with ObservacaoInvalida; texts are kept
    // as typed, in upper case. Returns the new code.
    int insere(const QString& observacao);
    void altera(int codObs, const QString& observacao);
    void exclui(int codObs);

private:
    TDMXAL& m_dm;
};
