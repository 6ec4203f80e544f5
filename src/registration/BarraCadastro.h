#pragma once

#include <QWidget>

class QToolButton;

// The tool bar of the registration windows that are plain windows: the record actions as
// image buttons. Browsing offers new, edit, delete, search and exit; editing only save and
// cancel, and TrataBotao switches from one to the other.
class BarraCadastro : public QWidget
{
    Q_OBJECT
public:
    explicit BarraCadastro(QWidget* parent = nullptr);

    // Inverts the enabled state of every record button.
    void TrataBotao();

    QToolButton* TBNovo = nullptr;
    QToolButton* TBSalvar = nullptr;
    QToolButton* TBAlterar = nullptr;
    QToolButton* TBCancelar = nullptr;
    QToolButton* TBDeletar = nullptr;
    QToolButton* TBVisulizar = nullptr;
    QToolButton* TBSair = nullptr;
};
