#pragma once

#include "app/Configuracao.h"
#include "platform/Interacao.h"

#include <QSqlRecord>
#include <QString>
#include <optional>

class TDMXAL;

// The results an identification dialog ends with.
enum ResultadoModal { mrNone = 0, mrCancel = 2, mrYes = 6, mrNo = 7 };

// What the dialog must do after a step of the rules.
struct Resposta {
    enum class Foco { Mantem, Codigo, Senha };
    int resultado = mrNone; // not mrNone: the dialog ends with it
    Foco foco = Foco::Mantem;
    bool limpaSenha = false;       // the password field is emptied
    bool aceitaAposPausa = false;  // a print was accepted: the dialog ends accepted shortly after
    std::optional<QString> codigo; // shown in the code field
    std::optional<QString> senha;  // shown (masked) in the password field
};

// The rules shared by the employee and the customer identification: code or badge lookup in
// this store, the password row, the permission column and the typed password.
class IdentificacaoPessoa
{
public:
    IdentificacaoPessoa(TDMXAL& dm, const TConfigGeral& config, int codLoja, Interacao& interacao);
    virtual ~IdentificacaoPessoa() = default;

    bool SolicitaSenha = true;

    // Fingerprint offered: the settings ask for it and a reader is attached.
    bool biometriaHabilitada() const;
    // Fingerprint only: the fields stay unusable and a capture starts at once.
    bool somenteBiometria() const;

    // Leaving the code field with this text.
    virtual Resposta saiCodigo(const QString& texto);
    // Enter in the password field.
    Resposta confirmaSenha(const QString& senha);
    // F8, or showing in fingerprint-only mode: a reader failure is shown, never raised.
    Resposta biometria();
    // The reader picture identified a print under this id.
    virtual Resposta leitorIdentificou(const QString& identificador);

    // NOME of the person found by the last lookup ("" when none).
    const QString& nome() const { return m_nome; }

protected:
    struct Tipo {
        QString consultaPessoa; // catalogue statement: by code or badge
        QString consultaSenha;  // catalogue statement: password row in this store
        QString colunaCodigo;   // COD_FUNC or COD_CLI
        bool aceitaCracha;      // a text longer than 6 characters is a badge
        bool limpaSenhaErrada;  // a wrong password empties the field
    };
    virtual Tipo tipo() const = 0;
    virtual bool chaveBiometria() const = 0; // SoBioFun or SoBioCli
    // One reading of the reader (and its retries), for this kind of person.
    virtual Resposta tentaDigital() = 0;
    // "funcionário" or "cliente", for the reader's error text.
    virtual QString quem() const = 0;
    virtual void encontrou(int) {}
    virtual void aceitou(int codigo) = 0;
    virtual void refusa(const QString& mensagem);

    // The person with this code or badge, in this store; nullopt when none.
    std::optional<int> procura(int codigo, const QString& barras);
    void leLinhaSenha(int codigo);
    enum class Permissao { Livre, SemLinha, Negada };
    Permissao confere() const;
    QString senhaDaLinha() const;

    TDMXAL& m_dm;
    const TConfigGeral& m_config;
    int m_codLoja;
    Interacao& m_interacao;

    bool m_verificaPermissao = false;
    QString m_campoPermissao;

    int m_encontrado = 0; // code found by the last lookup (0: none)
    QString m_nome;
    std::optional<QSqlRecord> m_senha; // password row of the person in this store
    bool m_digitalAceita = false;
};
