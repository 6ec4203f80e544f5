#pragma once

#include <QByteArray>
#include <QStringList>

// Receipt printer command sets this program speaks.
enum class ModeloEscPos { Epson, Bematech, Daruma, GPrinter };

// Turns lines of text into the bytes of one receipt: initialise, line spacing, code page 850,
// each line in CP850 followed by LF. The tag "</corte>" feeds the lines between receipts and
// cuts the paper with the model's command; any other text is printed as it is.
struct EncoderEscPos {
    ModeloEscPos modelo = ModeloEscPos::Epson;
    bool corteTotal = false;
    int linhasEntreCupons = 5;
    int espacoLinhas = 20;

    QByteArray codifica(const QStringList& linhas) const;
    QByteArray inicio() const;
    QByteArray corte() const;
    QByteArray texto(const QString& linha) const;
};

// "BEMATECH", "DARUMA", "GERTEC"; anything else is Epson.
ModeloEscPos modeloEscPos(const QString& nome);

inline const QString kTagCorte = QStringLiteral("</corte>");
