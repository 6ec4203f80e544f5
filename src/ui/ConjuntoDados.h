#pragma once

#include "data/TDMXAL.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSqlRecord>
#include <QStringList>

// The rows a window maintains, kept in memory: opened from a statement with bound values,
// browsed, edited or appended, posted into a change log and written to one table when the
// changes are applied.
class ConjuntoDados : public QObject
{
    Q_OBJECT
public:
    enum class Estado { Fechado, Navegando, Editando, Inserindo };

    // What the window knows of a column beyond its value.
    struct InfoCampo {
        QString rotulo; // display label; the column name when empty
        bool obrigatorio = false;
        int tag = 0;     // 1: the value must not repeat in the table (duplicate test)
        QString formato; // "#,##0.00": shown with that many decimals
    };

    explicit ConjuntoDados(TDMXAL& dm, QObject* parent = nullptr);

    TDMXAL& dm() const { return m_dm; }

    // The statement of the set and the table its changes are written to (checked against the
    // schema; the key and required columns come from there).
    void defineComando(const QString& sql, const Parametros& parametros = {});
    void defineTabela(const QString& tabela);
    QString tabela() const { return m_tabela; }
    QStringList chavePrimaria() const { return m_chave; }

    void abre();
    void fecha();
    // Runs another statement on the set (the last one sent is kept, as Refresh reruns it).
    void abre(const QString& sql, const Parametros& parametros);
    // Orders the rows by a text column as Brazilian Portuguese sorts it, case ignored.
    void ordena(const QString& campo);
    // Holds rows read elsewhere (a lookup's answer).
    void carregaLinhas(const QList<QSqlRecord>& linhas);

    Estado estado() const { return m_estado; }
    bool ativo() const { return m_estado != Estado::Fechado; }
    bool editando() const { return m_estado == Estado::Editando || m_estado == Estado::Inserindo; }
    int quantidade() const { return static_cast<int>(m_linhas.size()); }
    bool vazio() const { return m_linhas.isEmpty(); }
    int atual() const { return m_atual; }
    void vaiPara(int linha);
    QStringList campos() const;
    bool temCampo(const QString& campo) const;
    QVariant valor(const QString& campo) const;
    QVariant valor(int linha, const QString& campo) const;
    // The value as shown: numbers with the field's format in Brazilian notation.
    QString texto(const QString& campo) const;
    QString texto(int linha, const QString& campo) const;
    void defineValor(const QString& campo, const QVariant& valor);
    // A typed text as the column's value: numbers read in Brazilian or plain notation, an
    // empty text as NULL; a text that is no number stays text for the server to refuse.
    QVariant valorDigitado(const QString& campo, const QString& texto) const;
    InfoCampo& info(const QString& campo);
    InfoCampo info(const QString& campo) const;
    // Columns of real numbers, which take the store's decimal format.
    QStringList camposReais() const;
    // The first required column without a value; empty when all are filled.
    QString campoObrigatorioVazio() const;

    void Append();
    void Edit();
    void Post();
    void Cancel();
    void CancelUpdates();
    int ChangeCount() const { return static_cast<int>(m_pendentes.size()); }
    // Writes the pending changes in one transaction. Returns the server's message when it
    // refuses them (the changes stay pending), an empty text when all were written.
    QString ApplyUpdates();
    // Back to editing the row of the last change, its typed values kept, that change
    // withdrawn: what a refused save leaves so the user can mend and save again.
    void retomaEdicao();

signals:
    void estadoMudou();
    void dadosMudaram();
    // Rows were read from the database.
    void aberto();

private:
    struct Pendente {
        bool insercao = false;
        int linha = -1;
        QSqlRecord original;
    };
    void defineEstado(Estado e);
    void carrega(QSqlQuery& q);
    QVariant valorChave(const QSqlRecord& r, const QString& campo) const;
    void grava(const Pendente& p);

    TDMXAL& m_dm;
    QString m_sql;
    Parametros m_parametros;
    QString m_tabela;
    QStringList m_chave;
    QStringList m_colunasTabela;
    QStringList m_obrigatoriasTabela;
    QSqlRecord m_modelo;
    QList<QSqlRecord> m_linhas;
    QHash<QString, InfoCampo> m_info;
    QList<Pendente> m_pendentes;
    Estado m_estado = Estado::Fechado;
    int m_atual = -1;
    QSqlRecord m_antesEdicao;
};
